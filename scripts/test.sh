#!/usr/bin/env bash
# Builds routeseer and runs the whole test suite (core, window and end-to-end tests).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=${ROUTESEER_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
