#!/usr/bin/env bash
# Each folder of src/ includes only the headers of the folders below it, so that no part depends
# on the window and the core on nothing but the standard library and the system:
#   layers.sh SOURCE_DIR
set -uo pipefail
cd "$1/src" || exit 2

# The folders a folder's files may include from, besides its own.
declare -A below=(
  [core]="map search platform"
  [platform]="map search platform"
  [searches]="map search"
  [picture]="map search platform"
  [document]="map search platform picture"
  [icon]=""
  [cli]="map search platform searches picture"
  [app]="map search platform picture document icon"
)
status=0
for folder in "${!below[@]}"; do
  allowed="$folder ${below[$folder]}"
  while IFS=: read -r file line text; do
    included=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$text")
    [[ $text =~ \#include\ \"[^/\"]+\" ]] && continue # a header beside the file
    if [[ " $allowed " != *" $included "* ]]; then
      echo "$file:$line: $folder/ may not include $included/: $text"
      status=1
    fi
  done < <(grep -rn '#include "' "$folder")
done
# The core and the searches are the standard library and POSIX alone.
if grep -rn '#include <Q' core searches; then
  echo "the core or the searches include Qt"
  status=1
fi
exit $status
