#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan and UBSan) and runs each over its seeds and
# then a fixed number of inputs from a fixed seed, so that CI gets the same inputs every
# time: a target that no longer compiles, or a seed that now fails, stops the run. Longer
# runs are for a person at the machine: see fuzz/README.md.
set -euo pipefail
cd "$(dirname "$0")/.."
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DFUZZ=ON -DBUILD_GUI=OFF -DBUILD_TESTING=OFF \
  -DBUILD_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz --parallel "$(nproc)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The inputs each target gets after its seeds: about twenty seconds each.
declare -A runs=([numbers]=200000 [thermo]=4000 [mechanism]=100000 [session]=1500 [comparison]=60000)
for target in numbers thermo mechanism session comparison; do
  dictionary=()
  [ -f "fuzz/$target.dict" ] && dictionary=(-dict="fuzz/$target.dict")
  mkdir -p "$work/$target"
  echo "fuzz_$target: the seeds, then ${runs[$target]} inputs"
  if ! build-fuzz/fuzz/"fuzz_$target" "$work/$target" "fuzz/corpus/$target" "${dictionary[@]}" \
    -seed=1 -runs="${runs[$target]}" -artifact_prefix="$work/$target-" \
    >"$work/$target.log" 2>&1; then
    tail -40 "$work/$target.log" >&2
    echo "fuzz_$target failed; the input is above (and in fuzz/README.md, how to keep it)" >&2
    exit 1
  fi
  tail -1 "$work/$target.log"
done
