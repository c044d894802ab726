#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running routeseer need, if missing.
set -euo pipefail
source "$(dirname "$0")/install-missing.sh"
install_missing \
  cmake ninja-build g++ pkg-config \
  qt6-base-dev libgl-dev \
  libgtest-dev googletest libbenchmark-dev libboost-graph-dev \
  xvfb xauth x11-utils imagemagick xdotool xclip openbox desktop-file-utils procps \
  dpkg-dev fakeroot lintian appstream python3 \
  fonts-dejavu-core fonts-dejavu-extra
