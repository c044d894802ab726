#!/usr/bin/env bash
# Fuzzes with libFuzzer under ASan and UBSan: the map-file loader and the search (map), or
# routeseer-map's readers of map texts and benchmark maps (text):
#   scripts/fuzz.sh [SECONDS] [map|text]     (default 600 s, map)
# New inputs go to a scratch corpus; crashes are written to build-fuzz/. Merge anything worth
# keeping into the kept corpus (tests/fuzz/corpus, tests/fuzz/text-corpus) with:
#   build-fuzz/tests/fuzz/map_fuzzer -merge=1 tests/fuzz/corpus DIR
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
source scripts/install-missing.sh
install_missing clang libclang-rt-14-dev
seconds=${1:-600}
fuzzer=${2:-map}
case $fuzzer in
map) kept=tests/fuzz/corpus longest=102100 ;;
text) kept=tests/fuzz/text-corpus longest=20000 ;;
*) echo "usage: scripts/fuzz.sh [SECONDS] [map|text]" >&2; exit 2 ;;
esac
cmake --preset fuzz
cmake --build --preset fuzz -j "$(nproc)"
scratch=build-fuzz/$fuzzer-corpus
mkdir -p "$scratch"
cd build-fuzz
"./tests/fuzz/${fuzzer}_fuzzer" -max_len="$longest" -max_total_time="$seconds" -print_final_stats=1 \
  "../$scratch" "../$kept"
