#!/usr/bin/env bash
# Installs, from Debian's archive, whatever the build needs and the machine lacks.
# This list is the one place that names the packages. Every CMake package file the configure
# step reads comes from one of them (cmake --trace-expand lists the files, dpkg -S their
# packages): qt6-charts-dev needs Qt6OpenGL but does not pull in libqt6opengl6-dev. The
# Windows build (scripts/windows-cli.sh) takes MinGW-w64's compiler and Windows libraries
# (mingw-w64-x86-64-dev comes with the compiler), GoogleTest's sources, CLI11's and Eigen's
# headers, and runs its tests under Wine. The fuzz targets (scripts/fuzz-smoke.sh) link
# clang's libFuzzer and sanitizer runtimes, from libclang-rt-14-dev.
set -euo pipefail
packages=(cmake ninja-build g++ clang clang-tidy libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
          libeigen3-dev qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
          g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev googletest wine64 libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq || true
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
