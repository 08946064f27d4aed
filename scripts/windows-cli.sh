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
cmake -E tar tf "$zip" | grep -q '/zorbel-cli.exe$'

data="$PWD/../shared/data"
if [ ! -d "$data" ] || [ ! -x "$linux_cli" ]; then
  echo "Comparison with the Linux build skipped: no shared data or no Linux zorbel-cli."
  exit 0
fi
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine="$(command -v wine64 || command -v wine)"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

# Lines that differ only in numbers agreeing to 1e-9 (relative) are the two libms rounding
# a last bit differently in an ill-conditioned fit (MinGW-w64's log and pow against glibc's;
# glibc's own differ so between processors with and without FMA): reported, not failed.
# Anything else fails.
compare() {
  cmp -s "$1" "$2" && return 0
  awk -v tolerance=1e-9 '
    function near(a, b) { return a == b || (a - b) * (a - b) <= tolerance * tolerance * a * a }
    NR == FNR { linux[FNR] = $0; lines = FNR; next }
    {
      if (linux[FNR] == $0) next
      n = split(linux[FNR], l, /[ \t]+/); m = split($0, w, /[ \t]+/)
      if (n != m) { bad++; next }
      for (i = 1; i <= n; i++) {
        if (l[i] == w[i]) continue
        if (l[i] !~ /^-?[0-9.]+([Ee][-+]?[0-9]+)?$/ || !near(l[i] + 0, w[i] + 0)) { bad++; next }
      }
      last++
    }
    END {
      if (FNR != lines) bad++
      printf "  %d line(s) differ in the last digits only, %d otherwise\n", last, bad
      exit bad > 0
    }' "$1" "$2"
}

status=0
while IFS=$'\t' read -r thermo mechanism options; do
  [ -f "$data/$thermo" ] && [ -f "$data/$mechanism" ] || { echo "skipped: $mechanism"; continue; }
  mkdir -p "$out/linux" "$out/windows"
  # shellcheck disable=SC2086 # the options are words
  "$linux_cli" reverse-all "$data/$thermo" "$data/$mechanism" $options \
    --date "01/01/26 00:00:00" --work-folder "$out/linux" >/dev/null 2>&1 || true
  # shellcheck disable=SC2086
  "$wine" build-windows-cli/src/cli/zorbel-cli.exe reverse-all "Z:$data/$thermo" \
    "Z:$data/$mechanism" $options --date "01/01/26 00:00:00" --work-folder "Z:$out/windows" \
    >/dev/null 2>&1 || true
  if [ ! -s "$out/linux/RevAll.txt" ] || [ ! -s "$out/windows/RevAll.txt" ]; then
    echo "FAILED: no RevAll.txt for $mechanism $options"; status=1
  elif cmp -s "$out/linux/RevAll.txt" "$out/windows/RevAll.txt"; then
    echo "same bytes: $mechanism $options"
  elif compare "$out/linux/RevAll.txt" "$out/windows/RevAll.txt"; then
    echo "same but for last digits: $mechanism $options"
  else
    echo "FAILED: $mechanism $options"; status=1
  fi
  rm -rf "$out/linux" "$out/windows"
done <<'RUNS'
gri30/thermo30.dat	gri30/mech-clean.rxn	
gri30/thermo30.dat	gri30/mech-clean.rxn	--patterns-from 0 --law modified
aramco1.3/AramcoMech_1.3_therm.dat	aramco1.3/mech-clean.rxn	
aramco1.3/AramcoMech_1.3_therm.dat	aramco1.3/mech-clean.rxn	--law modified
RUNS
exit $status
