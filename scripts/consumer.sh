#!/usr/bin/env bash
# Builds tests/consumer, a separate project that takes in routeseer with add_subdirectory and sets
# no C++ standard of its own, in a fresh folder, and runs it: the core must be usable that way.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=${ROUTESEER_CONSUMER_BUILD_DIR:-build-consumer}
rm -rf "$build"
cmake -S tests/consumer -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j "$(nproc)"
"$build/consumer"
