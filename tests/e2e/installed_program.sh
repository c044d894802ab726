#!/usr/bin/env bash
# Installs the build into a fresh folder whose name holds a space and checks what a desktop gets:
# the program in lib/routeseer, started through a relative link in bin; every bundled map beside
# the program, byte for byte, where the program looks for them;
# a valid desktop entry whose Exec names that program; the road sign in every size of the hicolor
# icon theme. Then starts the program as the entry's Exec says, on the X server in DISPLAY, waits
# for its window and reads its map, and ends it.
# installed_program.sh BUILD_FOLDER MAPS_FOLDER OUTPUT_FOLDER
set -euo pipefail

build=$1
maps=$2
out=$3
prefix="$out/installed program"
rm -rf "$prefix"
"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >"$out/install.log"

fail() {
  echo "$1"
  exit 1
}

program="$prefix/bin/routeseer"
folder="$prefix/lib/routeseer"
[[ -x $folder/routeseer ]] || fail "no program at $folder/routeseer"
[[ $(readlink "$program") == ../lib/routeseer/routeseer ]] || fail "$program is not a relative link to the program"
count=0
for map in "$maps"/*.map; do
  cmp "$map" "$folder/$(basename "$map")" || fail "$(basename "$map") is not beside the program in $folder"
  count=$((count + 1))
done

entry="$prefix/share/applications/routeseer.desktop"
[[ -f $entry ]] || fail "no desktop entry at $entry"
report=$(desktop-file-validate "$entry" 2>&1) || fail "invalid desktop entry: $report"
[[ -z $report ]] || fail "desktop-file-validate: $report"
value() { sed -n "s/^$1=//p" "$entry"; }
[[ $(value Icon) == routeseer ]] || fail "the entry's icon is '$(value Icon)', not routeseer"
# The prefix holds a space, so Exec quotes the path; those quotes are read as a shell reads them.
eval "command=($(value Exec))"
[[ ${#command[@]} == 1 && ${command[0]} == "$program" ]] || fail "Exec=$(value Exec) does not start $program"

# The sign: clear in the corners, yellow below the arrow, at every size.
for side in 16 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${side}x${side}/apps/routeseer.png"
  [[ -f $icon ]] || fail "no ${side} x ${side} icon at $icon"
  face=$((side * 52 / 64))
  seen=$(convert "$icon" -format "%w %h %[fx:p{1,1}.a] %[fx:p{$((side / 2)),$face}.r>0.8 && p{$((side / 2)),$face}.b<0.25]" info:)
  [[ $seen == "$side $side 0 1" ]] || fail "the $side x $side icon is not the road sign (width, height, corner alpha, yellow face: $seen)"
done

shot="$out/installed-screen.png"
source "$(dirname "$0")/mapscreen.sh"
start_program "${command[0]}" "$out/installed.log"
# The entry's StartupWMClass ties the window to it.
wm_class=$(xprop -id "$window" WM_CLASS)
[[ $wm_class == *\"$(value StartupWMClass)\" ]] || fail "window class $wm_class, entry says $(value StartupWMClass)"
checks=(
  "27 27 255,255,0 yellow start (5, 5)"
  "437 437 255,255,0 yellow finish (87, 87)"
  "2 252 0,100,0 wall (0, 50) of the default map"
  "250 252 0,0,0 grid line x = 250"
)
screen_shows_checks || fail "the installed program's map is not as expected: ${failures[*]}"
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
echo "$program installed with its $count maps, its desktop entry and icons; it started and drew the default map"
