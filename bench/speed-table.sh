#!/usr/bin/env bash
# The speed table of the README, whole process: each job run three times through zorbel-cli,
# the median wall time, the median processor time (user and system, every thread) and the
# largest resident memory printed as table rows.
#   bench/speed-table.sh CLI [BATCH_BENCH] [-- extra zorbel-cli options, e.g. --threads 1]
# CLI: a Release zorbel-cli; BATCH_BENCH: the batch_bench beside it, which writes the
# generated mechanisms (by default found from CLI's build folder). Needs ../shared/data.
set -euo pipefail
cli=$(realpath "$1")
bench=${2:-$(dirname "$cli")/../../bench/batch_bench}
shift $(( $# >= 2 ? 2 : 1 ))
[ "${1:-}" = "--" ] && shift
extra=("$@")
data=$(realpath "$(dirname "$0")/../../shared/data")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bench" --generate "$work/g10k" >/dev/null
"$bench" --generate "$work/g50k" 50000 >/dev/null

# job name | thermo | mechanism | points
jobs=(
  "GRI-Mech 3.0, 50 points|$data/gri30/thermo30.dat|$data/gri30/mech-clean.rxn|50"
  "GRI-Mech 3.0, 1000 points|$data/gri30/thermo30.dat|$data/gri30/mech-clean.rxn|1000"
  "GRI-Mech 3.0, 10000 points|$data/gri30/thermo30.dat|$data/gri30/mech-clean.rxn|10000"
  "AramcoMech 1.3, 10000 points|$data/aramco1.3/AramcoMech_1.3_therm.dat|$data/aramco1.3/mech-clean.rxn|10000"
  "generated 50000 reactions, 10000 points|$work/g50k/bench.therm|$work/g50k/bench.rxn|10000"
  "generated 10000 reactions over 200 species, 1000 points|$work/g10k/bench.therm|$work/g10k/bench.rxn|1000"
)
echo "| job | time | processor time | memory |"
echo "|---|---|---|---|"
for job in "${jobs[@]}"; do
  IFS='|' read -r name thermo mechanism points <<<"$job"
  runs=()
  cpu=()
  memory=0
  for _ in 1 2 3; do
    /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$cli" reverse-all "$thermo" "$mechanism" \
      --points "$points" --work-folder "$work" --date "01/01/26 00:00:00" "${extra[@]}" &>/dev/null
    read -r seconds user system kilobytes <"$work/time"
    runs+=("$seconds")
    cpu+=("$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }')")
    memory=$(( kilobytes > memory ? kilobytes : memory ))
  done
  median=$(printf '%s\n' "${runs[@]}" | sort -n | sed -n 2p)
  processor=$(printf '%s\n' "${cpu[@]}" | sort -n | sed -n 2p)
  echo "| $name | $median s | $processor s | $(( (memory + 512) / 1024 )) MB |"
done
