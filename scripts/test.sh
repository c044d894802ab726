#!/usr/bin/env bash
# Builds routeseer and runs the whole test suite (core, window and end-to-end tests).
#   scripts/test.sh [CMAKE_OPTIONS...]
# ROUTESEER_PRESET picks the build of CMakePresets.json (default, or sanitizer);
# ROUTESEER_BUILD_DIR another build folder than the preset's.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
source scripts/presets.sh
configure_preset "${ROUTESEER_PRESET:-default}" "$@"
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
