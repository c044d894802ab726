#!/usr/bin/env bash
# Builds the Debian package and checks it (tests/package/check_package.sh): its files, lintian,
# and the packaged program started by an ordinary user on a private X server.
#   scripts/package.sh [BUILD_FOLDER]   (default: build, configured and built if needed)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=${1:-build}
[[ -f $build/CMakeCache.txt ]] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(nproc)" --target package
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
package="$build/routeseer_${version}_$(dpkg --print-architecture).deb"
QT_QPA_PLATFORM=xcb tests/e2e/xvfb.sh tests/package/check_package.sh "$package" "$build"
