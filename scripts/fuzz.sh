#!/usr/bin/env bash
# Fuzzes the map-file loader and the search with libFuzzer under ASan and UBSan:
#   scripts/fuzz.sh [SECONDS]     (default 600)
# New inputs go to a scratch corpus; crashes are written to build-fuzz/. Merge anything worth
# keeping into tests/fuzz/corpus with: build-fuzz/tests/fuzz/map_fuzzer -merge=1 tests/fuzz/corpus DIR
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
source scripts/install-missing.sh
install_missing clang libclang-rt-14-dev
seconds=${1:-600}
cmake --preset fuzz
cmake --build --preset fuzz -j "$(nproc)"
scratch=build-fuzz/corpus
mkdir -p "$scratch"
cd build-fuzz
./tests/fuzz/map_fuzzer -max_len=102100 -max_total_time="$seconds" -print_final_stats=1 \
  "../$scratch" ../tests/fuzz/corpus
