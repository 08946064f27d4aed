#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the sources of src/ (or the files
# given), with the compile commands of the dev preset's build. Exits non-zero on a finding.
#   scripts/tidy.sh [FILE...]
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
# Configuring is enough: it writes compile_commands.json and the generated headers.
cmake --preset dev >/dev/null
files=("$@")
[ ${#files[@]} -gt 0 ] || files=("$PWD/src/")
# The compile commands are GCC's: clang does not know some of its warning options.
run-clang-tidy -p build-dev -j "$(nproc)" -quiet -extra-arg=-Wno-unknown-warning-option \
  "${files[@]}"
