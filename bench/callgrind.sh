#!/usr/bin/env bash
# Counts the instructions of one search by each contender on each map under callgrind: a figure
# that, unlike the time, does not move with what else the machine is doing.
#   bench/callgrind.sh [BUILD_DIR]   (default build-bench, built as bench/README.md says)
set -euo pipefail
cd "$(dirname "$0")/.."
bench=${1:-build-bench}/bench/routeseer_bench
source scripts/install-missing.sh
install_missing valgrind
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Benchmark name, the function that times it, the contender's search it calls once per iteration.
contenders=(
  "findpath timeFindpath Routeseer::findpath("
  "ringflood timeRingFlood Bench::RingFlood::search("
  "textbook timeTextbook Bench::textbookSearch("
  "boost timeBoost Bench::BoostSearch::search("
)

printf '%-10s %-9s %12s\n' case contender instructions
for map in open blank random30 sealed; do
  for contender in "${contenders[@]}"; do
    read -r name timer search <<<"$contender"
    valgrind --tool=callgrind --callgrind-out-file="$work/out" --toggle-collect="*$timer*" \
      "$bench" --benchmark_filter="^BM_$name/$map\$" --benchmark_min_time=0.02 >/dev/null 2>&1
    # The caller tree names the timing loop above the search with the cost and count of its calls.
    callgrind_annotate --inclusive=yes --tree=caller "$work/out" 2>/dev/null | awk -v timer="$timer" -v search="$search" '
      index($0, "< ") && index($0, timer) { cost = $1; calls = $0; next }
      index($0, "* ") && index($0, search) && cost != "" {
        gsub(",", "", cost); sub(/.*\(/, "", calls); sub(/x\).*/, "", calls)
        printf "%.0f\n", cost / calls; exit
      }
      { cost = "" }' | xargs printf '%-10s %-9s %12s\n' "$map" "$name"
  done
done
