#!/usr/bin/env bash
# Installs what is missing, builds in Release and runs the main job on the example files.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DBUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-release --parallel "$(nproc)" >/dev/null
cli=build-release/src/cli/zorbel-cli

echo "== Species of examples/example.therm"
"$cli" species examples/example.therm
echo
echo "== H2O at 1000 K"
"$cli" species examples/example.therm H2O --temperature 1000
echo
out=build-release/example-output
mkdir -p "$out"
echo "== Reverse All of examples/example.rxn (patterns from its first reaction) into $out"
"$cli" reverse-all examples/example.therm examples/example.rxn --patterns-from 0 \
  --work-folder "$out" >/dev/null
head -n 20 "$out/RevAll.txt"
