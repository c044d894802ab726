#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running routeseer need, if missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev googletest libbenchmark-dev libboost-graph-dev
  xvfb xauth x11-utils imagemagick xdotool desktop-file-utils procps
  dpkg-dev fakeroot lintian appstream
  fonts-dejavu-core fonts-dejavu-extra
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
