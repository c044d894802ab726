#!/usr/bin/env bash
# Builds routeseer and starts it on the bundled default map.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=${ROUTESEER_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(nproc)" --target routeseer
exec "$build/src/routeseer"
