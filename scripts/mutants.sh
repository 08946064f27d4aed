#!/usr/bin/env bash
# Mutation testing: how many small faults planted in src/ does the test suite catch?
#   scripts/mutants.sh [--gui] [--timeout SECONDS] [ID...]
# Applies the mutants of scripts/mutants.txt one at a time (or only the IDs given), rebuilds,
# runs the suite until its first failing test, and puts the file back. A mutant is killed
# when a test fails (or times out), survives when every test passes; one that does not
# compile, or whose pattern is no longer in the file, is counted apart. Builds in
# build-mutants without the window (--gui: with it and its tests). Run it niced on a shared
# machine: nice -n 10 scripts/mutants.sh
set -euo pipefail
cd "$(dirname "$0")/.."

gui=OFF
timeout=120
ids=()
while [ $# -gt 0 ]; do
  case "$1" in
    --gui) gui=ON ;;
    --timeout) timeout="$2"; shift ;;
    -h | --help) sed -n '2,9p' "$0"; exit 0 ;;
    [0-9]*) ids+=("$1") ;;
    *) echo "usage: $0 [--gui] [--timeout SECONDS] [ID...]" >&2; exit 2 ;;
  esac
  shift
done

list=scripts/mutants.txt
build=build-mutants
jobs="$(nproc)"
mkdir -p "$build"
log="$build/mutant.log"
report="$build/mutants-report.txt"

# The file being mutated is copied here first and put back whatever happens, Ctrl-C included.
backup="$build/original.bak"
mutated=""
restore() {
  if [ -n "$mutated" ]; then
    cp "$backup" "$mutated"
    mutated=""
  fi
}
trap restore EXIT
trap 'echo; echo "Interrupted: $mutated restored." >&2; exit 130' INT TERM

./scripts/install-deps.sh
cmake --preset nogui -B "$build" -DBUILD_GUI="$gui" -DCMAKE_BUILD_TYPE=Release \
  -DZORBEL_WARNINGS_AS_ERRORS=OFF -DZORBEL_SHARED_LAYERS=ON >/dev/null

build_and_test() {
  cmake --build "$build" --parallel "$jobs" >"$log" 2>&1 || return 2
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --stop-on-failure --timeout "$timeout" \
    --parallel "$jobs" >>"$log" 2>&1 || return 1
}

echo "Building and testing the unmutated sources in $build..."
if ! build_and_test; then
  echo "The suite fails without any mutant; see $log" >&2
  exit 1
fi

# Replaces the occurrence-th match of the pattern in the file; fails when it is not there.
apply() {
  perl -e '
    my ($file, $occurrence, $pattern, $replacement) = @ARGV;
    open(my $in, "<", $file) or die "$file: $!\n";
    local $/;
    my $text = <$in>;
    close $in;
    my $at = -1;
    for (1 .. $occurrence) {
      $at = index($text, $pattern, $at < 0 ? 0 : $at + length($pattern));
      exit 1 if $at < 0;
    }
    substr($text, $at, length($pattern)) = $replacement;
    open(my $out, ">", $file) or die "$file: $!\n";
    print $out $text;
    close $out or die "$file: $!\n";
  ' "$@"
}

wanted() {
  [ ${#ids[@]} -eq 0 ] && return 0
  local id
  for id in "${ids[@]}"; do
    [ "$id" = "$1" ] && return 0
  done
  return 1
}

killed=0 survived=0 broken=0 stale=0 total=0
: >"$report"
while IFS=$'\t' read -r -u 3 id kind file line occurrence pattern replacement; do
  case "$id" in '#'* | '') continue ;; esac
  wanted "$id" || continue
  total=$((total + 1))
  label="$id $kind $file:$line  $pattern  ->  $replacement"
  started=$SECONDS
  cp "$file" "$backup"
  mutated="$file"
  if ! apply "$file" "$occurrence" "$pattern" "$replacement" || cmp -s "$file" "$backup"; then
    verdict="not applied (pattern not found)"
    stale=$((stale + 1))
  else
    status=0
    build_and_test || status=$?
    case $status in
      0) verdict="SURVIVED"; survived=$((survived + 1)) ;;
      1) verdict="killed"; killed=$((killed + 1)) ;;
      *) verdict="did not compile"; broken=$((broken + 1)) ;;
    esac
  fi
  restore
  printf '%-32s %s  (%ds)\n' "$verdict" "$label" $((SECONDS - started)) | tee -a "$report"
done 3<"$list"

# The sources are whole again: leave the build matching them.
cmake --build "$build" --parallel "$jobs" >"$log" 2>&1 || true

echo
echo "Mutants: $total. Killed: $killed. Survived: $survived. Did not compile: $broken." \
  "Not applied: $stale." | tee -a "$report"
compiled=$((killed + survived))
[ $compiled -gt 0 ] && echo "The suite kills $killed of the $compiled mutants that compiled" \
  "($((100 * killed / compiled)) %)." | tee -a "$report"
grep '^SURVIVED' "$report" >/dev/null && { echo "Survivors:"; grep '^SURVIVED' "$report"; }
echo "Report: $report"
