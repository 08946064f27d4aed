#!/usr/bin/env bash
# zorbel-cli for 64-bit Windows: cross-built with MinGW-w64, its tests run under Wine, its ZIP
# made, and its reversed mechanisms of the published mechanisms compared with the Linux
# build's. Run after a Linux build (./test.sh) has made build-dev/src/cli/zorbel-cli, or give
# another Linux zorbel-cli as the first argument.
set -euo pipefail
cd "$(dirname "$0")/.."
linux_cli="$(realpath -m "${1:-build-dev/src/cli/zorbel-cli}")"

./scripts/install-deps.sh
# Wine in a prefix of the build's own, with no display, no dialog and no debug output: the
# same settings as the test preset.
export WINEPREFIX="$PWD/build-windows-cli/wine" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=""
# The machine is shared by the other builds: two compilers at most.
cmake --preset windows-cli
nice cmake --build --preset windows-cli --parallel 2
ctest --preset windows-cli --parallel 2
cmake --build --preset windows-cli --target package
zip="build-windows-cli/zorbel-cli-$(sed -n 's/^project(Zorbel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)-win64.zip"
# The ZIP holds the program and every notice of the code built into it.
listing="$(cmake -E tar tf "$zip")"
for f in zorbel-cli.exe README.md LICENSE NOTICE.txt licences/CLI11.txt licences/Eigen.txt \
  licences/MinGW-w64.txt licences/GCC-runtime.txt; do
  grep -q "/$f\$" <<<"$listing" || { echo "$zip lacks $f" >&2; exit 1; }
done

wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine="$(command -v wine64 || command -v wine)"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

# A run on several threads with Wine checking its heap at every call: a block freed twice
# (MinGW-w64 once freed thread_local vectors after their storage) is told here, and not by a
# run that crashes now and then.
WINEDEBUG=warn+heap "$wine" build-windows-cli/src/cli/zorbel-cli.exe reverse-all \
  "Z:$PWD/examples/example.therm" "Z:$PWD/examples/example.rxn" --threads 2 \
  --work-folder "Z:$out" >/dev/null 2>"$out/heap.log" || true
if [ ! -s "$out/RevAll.txt" ] || grep -q 'warn:heap' "$out/heap.log"; then
  echo "FAILED: the threaded run under Wine's heap checks:"
  grep -m 5 -e 'warn:heap' -e 'fault' "$out/heap.log"
  exit 1
fi
rm -f "$out/RevAll.txt" "$out/heap.log"

data="$PWD/../shared/data"
if [ ! -d "$data" ] || [ ! -x "$linux_cli" ]; then
  echo "Comparison with the Linux build skipped: no shared data or no Linux zorbel-cli."
  exit 0
fi

# Every file each run writes, byte for byte: the core computes its logarithms, exponentials and
# powers with functions of its own, correctly rounded, so no last bit depends on the C library.
same_files() {
  [ "$(cd "$1" && ls)" = "$(cd "$2" && ls)" ] || return 1
  for file in "$1"/*; do
    cmp -s "$file" "$2/$(basename "$file")" || { echo "  differs: $(basename "$file")"; return 1; }
  done
}

status=0
while IFS=$'\t' read -r thermo mechanism options; do
  [ -f "$data/$thermo" ] && [ -f "$data/$mechanism" ] || { echo "skipped: $mechanism"; continue; }
  mkdir -p "$out/linux" "$out/windows"
  # shellcheck disable=SC2086 # the options are words
  "$linux_cli" reverse-all "$data/$thermo" "$data/$mechanism" $options \
    --date "01/01/26 00:00:00" --work-folder "$out/linux" >/dev/null 2>&1 || true
  # Wine now and then fails to start a program while the previous one's server winds
  # down: a run that wrote nothing is tried once more, and what it said is shown.
  for attempt in 1 2; do
    # shellcheck disable=SC2086
    "$wine" build-windows-cli/src/cli/zorbel-cli.exe reverse-all "Z:$data/$thermo" \
      "Z:$data/$mechanism" $options --date "01/01/26 00:00:00" --work-folder "Z:$out/windows" \
      >"$out/windows.log" 2>&1 || true
    [ -s "$out/windows/RevAll.txt" ] && break
    echo "  attempt $attempt under Wine wrote no RevAll.txt: $(tail -n 3 "$out/windows.log" | tr '\n' ' ')"
  done
  if [ ! -s "$out/linux/RevAll.txt" ] || [ ! -s "$out/windows/RevAll.txt" ]; then
    echo "FAILED: no RevAll.txt for $mechanism $options"; status=1
  elif same_files "$out/linux" "$out/windows"; then
    echo "same bytes: $mechanism $options"
  else
    echo "FAILED: $mechanism $options"; status=1
  fi
  rm -rf "$out/linux" "$out/windows" "$out/windows.log"
done <<'RUNS'
gri30/thermo30.dat	gri30/mech-clean.rxn	
gri30/thermo30.dat	gri30/mech-clean.rxn	--patterns-from 0 --law modified
gri30/thermo30.dat	gri30/mech-clean.rxn	--complete --exact-thermo
gri30/thermo30.dat	gri30/mech-clean.rxn	--complete --max-error 1
aramco1.3/AramcoMech_1.3_therm.dat	aramco1.3/mech-clean.rxn	
aramco1.3/AramcoMech_1.3_therm.dat	aramco1.3/mech-clean.rxn	--law modified
aramco1.3/AramcoMech_1.3_therm.dat	aramco1.3/mech-clean.rxn	--patterns-from 0 --law modified --spacing linear
aramco1.3/AramcoMech_1.3_therm.dat	aramco1.3/mech-clean.rxn	--complete
aramco1.3/AramcoMech_1.3_therm.dat	aramco1.3/mech-clean.rxn	--exact-thermo
aramco1.3/AramcoMech_1.3_therm.dat	aramco1.3/mech-clean.rxn	--complete --max-error 1
RUNS
exit $status
