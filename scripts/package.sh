#!/usr/bin/env bash
# Builds the Debian package from a build of its own (the package preset: no tests, no benchmarks)
# and checks it (tests/package/check_package.sh): its files, lintian, and the packaged program
# started by an ordinary user on a private X server.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
# Built with the distribution's own hardening flags, as Debian's tools build a package (CMake takes
# no CPPFLAGS of its own, so they go with the compiler's).
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  cmake --workflow --preset package
build=build-package
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
package="$build/routeseer_${version}_$(dpkg --print-architecture).deb"
QT_QPA_PLATFORM=xcb tests/e2e/xvfb.sh tests/package/check_package.sh "$package" "$build"
