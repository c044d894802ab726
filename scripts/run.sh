#!/usr/bin/env bash
# Builds routeseer and starts it on the bundled default map.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
source scripts/presets.sh
configure_preset default
cmake --build "$build" -j "$(nproc)" --target routeseer
exec "$build/src/routeseer"
