#!/usr/bin/env bash
# Mutation testing: how many small faults planted in src/ does the test suite catch?
#   scripts/mutants.sh [--gui] [--timeout SECONDS] [ID...]
#   scripts/mutants.sh [--gui] [--timeout SECONDS] --fresh N [--seed S] [ID...]
# Plants each mutant of scripts/mutants.txt (or only the IDs given) one at a time, rebuilds,
# runs the suite until its first failing test, and takes the mutant out again. --fresh draws
# N new mutants with scripts/mutants-gen.pl instead, seeded by the commit (or by S): a fixed
# list compares the suite before and after a change, a fresh sample judges it on faults it
# was never tuned to (IDs then pick mutants of the sample, its survivors to try again).
# A mutant is killed when a test fails, times out or trips the address and undefined-
# behaviour sanitizers the mutant build runs under (a write past an array is a fault even
# where no output shows it); it survives when every test passes. One that does not compile,
# or whose pattern is no longer in the file, is counted apart. Everything happens in
# build-mutants: a copy of the working tree (so that editing the sources during a run neither
# disturbs it nor is undone by it) and its build, without the window unless --gui. Run it
# niced on a shared machine: nice -n 15 scripts/mutants.sh --fresh 45. MUTANTS_BUILD names
# another folder than build-mutants, for two samples at once.
gui=OFF
timeout=600
fresh=""
seed=""
ids=()
usage="usage: $0 [--gui] [--timeout SECONDS] [--fresh N [--seed S]] [ID...]"
while [ $# -gt 0 ]; do
  case "$1" in
    --gui) gui=ON ;;
    --timeout) timeout="$2"; shift ;;
    --fresh) fresh="$2"; shift ;;
    --seed) seed="$2"; shift ;;
    -h | --help) sed -n '2,17p' "$0"; exit 0 ;;
    [0-9]*) ids+=("$1") ;;
    *) echo "$usage" >&2; exit 2 ;;
  esac
  shift
done
number='^[0-9]+$'
if [[ -n "$fresh" && ! "$fresh" =~ $number ]] || [[ -n "$seed" && ! "$seed" =~ $number ]] \
  || [[ -n "$seed" && -z "$fresh" ]]; then
  echo "$usage" >&2
  exit 2
fi

build="${MUTANTS_BUILD:-build-mutants}"
tree="$build/tree"
jobs="$(nproc)"
mkdir -p "$build"
log="$build/mutant.log"
list=scripts/mutants.txt
report="$build/mutants-report.txt"
if [ -n "$fresh" ]; then
  # The commit names the sample: the same commit draws the same mutants again.
  [ -n "$seed" ] || seed=$((16#$(git rev-parse --short=7 HEAD)))
  list="$build/fresh-$seed.txt"
  report="$build/fresh-$seed-report.txt"
  perl scripts/mutants-gen.pl --seed "$seed" --count "$fresh" >"$list"
  echo "Fresh sample: $fresh mutants drawn with seed $seed ($list)."
fi

# The copy holds the files git tracks or would track, as they are now; a file that has not
# changed keeps its time, so that the build redoes only what did change. A changed file takes
# the time of its copy, not its own: an object built from the copy before (after the last
# sample's mutants) may be newer than the edit, and would be taken for up to date. The tests
# find the shared data beside the copy as they find it beside the worktree.
copy_tree() {
  local file
  mkdir -p "$tree"
  git ls-files -z -co --exclude-standard | while IFS= read -r -d '' file; do
    [ -f "$file" ] && printf '%s\0' "$file"
  done >"$build/files"
  while IFS= read -r -d '' file; do
    if ! cmp -s "$file" "$tree/$file"; then
      mkdir -p "$(dirname "$tree/$file")"
      cp "$file" "$tree/$file"
    fi
  done <"$build/files"
  (cd "$tree" && find . -type f -printf '%P\0') | sort -z \
    | comm -z -23 - <(sort -z "$build/files") \
    | while IFS= read -r -d '' file; do rm -f "$tree/$file"; done
  [ -d ../shared ] && ln -sfn "$(cd ../shared && pwd)" "$build/shared"
  return 0
}

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
copy_tree
# lld links a sanitized library in a fraction of the time the default linker takes, and
# every mutant ends in a link.
linker=""
command -v ld.lld >/dev/null && linker="-fuse-ld=lld"
# Each mutant's build also compiles the previous mutant's file back to its original, which
# ccache (when installed) returns from its cache.
launcher=""
command -v ccache >/dev/null && launcher=ccache
# Under the sanitizers, with the library's own checks of indices (a vector or string read
# one past its end), so that a bad access or undefined behaviour stops the test that met
# it; optimised as far as the sanitizer preset is, without debug information. A mutant of
# a shared layer relinks that library only: the programs load it as they start.
cmake -S "$tree" -B "$build/out" -G Ninja -DBUILD_GUI="$gui" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -D_GLIBCXX_ASSERTIONS" -DBUILD_TESTING=ON \
  -DBUILD_BENCHMARKS=OFF -DZORBEL_SANITIZE=ON -DZORBEL_WARNINGS_AS_ERRORS=OFF \
  -DZORBEL_SHARED_LAYERS=ON -DCMAKE_LINK_DEPENDS_NO_SHARED=ON \
  -DCMAKE_SHARED_LINKER_FLAGS="$linker" -DCMAKE_EXE_LINKER_FLAGS="$linker" \
  -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" >/dev/null
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"

# The test programs (one per folder of tests/) that exercise a source folder most closely:
# a mutant there fails them soonest, so they run before the rest of the suite.
nearest_tests() {
  case "$1" in
    src/core/files/*) echo 'hostile|cli' ;;
    src/core/mechanism/*) echo 'mechanism|clean' ;;
    src/core/*) basename "$(dirname "$1")" ;;
    src/commands/*) echo 'app|search' ;;
    src/app/*) echo app ;;
    src/cli/*) echo cli ;;
  esac
}

run_tests() {
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$build/out" --stop-on-failure \
    --timeout "$timeout" --parallel "$jobs" "$@" >>"$log" 2>&1
}

# Builds, then runs the nearest test programs of the file named (if any) and the rest after.
build_and_test() {
  cmake --build "$build/out" --parallel "$jobs" >"$log" 2>&1 || return 2
  local nearest
  nearest="$(nearest_tests "${1:-}")"
  if [ -z "$nearest" ]; then
    run_tests || return 1
    return 0
  fi
  run_tests -R "^($nearest)\$" || return 1
  run_tests -E "^($nearest)\$" || return 1
}

echo "Building and testing the unmutated sources in $build/out..."
# Programs link without waiting for the layers they load (a mutant relinks one library
# only), so after sources that gave a layer a new function a program may have linked
# against the layer as it was: a first build brings the layers up to date, the next links
# what the first could not. The first goes on past a failed link (ninja -k 0), or it would
# stop before the layers that program needs.
cmake --build "$build/out" --parallel "$jobs" -- -k 0 >"$log" 2>&1 || true
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
  cp "$tree/$file" "$backup"
  mutated="$tree/$file"
  if ! apply "$mutated" "$occurrence" "$pattern" "$replacement" || cmp -s "$mutated" "$backup"; then
    verdict="not applied (pattern not found)"
    stale=$((stale + 1))
  else
    status=0
    build_and_test "$file" || status=$?
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
cmake --build "$build/out" --parallel "$jobs" >"$log" 2>&1 || true

echo
echo "Mutants: $total. Killed: $killed. Survived: $survived. Did not compile: $broken." \
  "Not applied: $stale." | tee -a "$report"
compiled=$((killed + survived))
[ $compiled -gt 0 ] && echo "The suite kills $killed of the $compiled mutants that compiled" \
  "($((100 * killed / compiled)) %)." | tee -a "$report"
grep '^SURVIVED' "$report" >/dev/null && { echo "Survivors:"; grep '^SURVIVED' "$report"; }
echo "Report: $report"
