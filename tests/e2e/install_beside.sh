#!/usr/bin/env bash
# Installs the build into a fresh folder and checks that every bundled map lands beside the
# installed program, byte for byte, where the program looks for them.
# install_beside.sh BUILD_FOLDER MAPS_FOLDER OUTPUT_FOLDER
set -euo pipefail

build=$1
maps=$2
prefix="$3/install"
rm -rf "$prefix"
"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >"$3/install.log"

program=$(find "$prefix" -type f -name routeseer -perm -u+x)
[[ -n $program ]] || { echo "no program was installed under $prefix"; exit 1; }
folder=$(dirname "$program")
count=0
for map in "$maps"/*.map; do
  cmp "$map" "$folder/$(basename "$map")" || { echo "$(basename "$map") is not beside $program"; exit 1; }
  count=$((count + 1))
done
echo "$program installed with its $count maps beside it"
