#!/bin/sh
# Throughput and peak memory of `mncalc --csv` on N generated gases, with 1
# and 2 jobs. Not a test: run it by hand on a quiet machine.
#
#   mncalc/bench/throughput.sh [ROWS] [MNCALC]
#
# ROWS defaults to 1000000; MNCALC to the release build. The generated input
# lives in a temporary directory that is removed at the end.
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
rows="${1:-1000000}"
mncalc="${2:-$root/build/release/mncalc/mncalc}"
gases="$root/../shared/bench/gases.csv"
[ -f "$gases" ] || gases="/work/shared/bench/gases.csv"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT INT TERM

python3 "$here/make_gases.py" "$gases" "$rows" > "$work/gases.csv"
echo "input: $rows rows, $(du -h "$work/gases.csv" | cut -f1)"

rate1=""
for jobs in 1 2; do
  /usr/bin/time -v "$mncalc" --csv "$work/gases.csv" --jobs "$jobs" --quiet \
    -o "$work/out$jobs.csv" 2> "$work/time$jobs.txt" || {
    echo "mncalc failed with $jobs jobs:"; grep -v '^\s' "$work/time$jobs.txt" | head -5; }
  seconds=$(awk -F': ' '/Elapsed \(wall clock\)/ {n=split($2,t,":"); s=0; for(i=1;i<=n;i++) s=s*60+t[i]; print s}' "$work/time$jobs.txt")
  peak_kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time$jobs.txt")
  cpu=$(awk -F': ' '/Percent of CPU this job got/ {print $2}' "$work/time$jobs.txt")
  rate=$(awk -v r="$rows" -v s="$seconds" 'BEGIN {printf "%.0f", r / s}')
  # The CPU share tells whether the other core was free: on a shared machine
  # two jobs cannot beat one when they get no more than 100 %.
  printf 'jobs %d: %8.2f s  %8d rows/s  peak %6.1f MB  cpu %5s' "$jobs" "$seconds" "$rate" \
    "$(awk -v k="$peak_kb" 'BEGIN {print k / 1024}')" "$cpu"
  if [ -n "$rate1" ]; then
    awk -v a="$rate" -v b="$rate1" 'BEGIN {printf "  (%.2fx one job)", a / b}'
  fi
  printf '\n'
  [ -n "$rate1" ] || rate1="$rate"
done
if cmp -s "$work/out1.csv" "$work/out2.csv"; then
  echo "outputs of 1 and 2 jobs: identical"
else
  echo "outputs of 1 and 2 jobs: DIFFERENT"; exit 1
fi
