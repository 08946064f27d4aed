#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exits non-zero on any failure.
#   ./test.sh              every part (CMake preset dev, in build-dev)
#   ./test.sh --sanitize   the same suite under AddressSanitizer and UndefinedBehaviorSanitizer
#   ./test.sh --no-gui     the core, the command line and their tests, without Qt
#   ./test.sh --tsan       the batch tests under ThreadSanitizer (their runs use several threads)
#   --werror               with any of them: compiler warnings fail the build (as in CI)
set -euo pipefail
cd "$(dirname "$0")"

preset=dev
werror=OFF
for argument in "$@"; do
  case "$argument" in
    --sanitize) preset=sanitize ;;
    --no-gui) preset=nogui ;;
    --tsan) preset=tsan ;;
    --werror) werror=ON ;;
    *) echo "usage: $0 [--sanitize | --no-gui | --tsan] [--werror]" >&2; exit 2 ;;
  esac
done

./scripts/install-deps.sh
# The preset names every option, whatever an earlier configuration of the folder chose.
cmake --preset "$preset" -DZORBEL_WARNINGS_AS_ERRORS="$werror"
cmake --build --preset "$preset" --parallel "$(nproc)"
ctest --preset "$preset" --parallel "$(nproc)"
