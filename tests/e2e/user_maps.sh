#!/usr/bin/env bash
# A user who may not write the program folder (a system-wide install) saves and loads maps of
# their own, on the X server in DISPLAY. The program and its maps are copied into a folder of
# root's, and the real program runs there as nobody, whose home and data folder are fresh. With real
# input: walls drawn, "Save Map", Yes, a name: the map lands in the user's maps folder, not in the
# program folder, and no box opens. "Clear Walls" brings back the default map; the saved map, loaded
# from the list, brings back its walls. Saved as "blankmap", it is what "Clear Walls" brings back
# from then on, while the program folder's default map stays as it was.
# user_maps.sh PROGRAM MAPS_FOLDER OUTPUT_FOLDER
set -euo pipefail
if [[ $(id -u) -ne 0 ]]; then
  echo "skipped: only root can run the program as nobody"
  exit 77
fi

program=$1
maps=$2
out=$3
shot="$out/user-maps-screen.png"
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/mapscreen.sh"

fail() {
  echo "$1:"
  printf '  %s\n' "${failures[@]}"
  echo "screenshot: $shot; program output: $out/user-maps.log"
  exit 1
}

# The program folder is root's and only root may write it; the user's home is nobody's own.
base="$out/user-maps"
rm -rf "$base"
folder="$base/program" home="$base/home"
mkdir -p "$folder" "$home/runtime"
cp "$program" "$maps"/*.map "$folder"
chown -R root:root "$folder"
chmod 755 "$base" "$folder"
chown -R nobody:nogroup "$home"
chmod 700 "$home" "$home/runtime"
user_maps="$home/data/routeseer/maps"
program_files=$(ls "$folder")

run="$base/run-as-nobody"
cat >"$run" <<EOF
#!/bin/sh
exec runuser -u nobody -- env HOME="$home" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" \
  "$folder/$(basename "$program")"
EOF
chmod 755 "$run"
start_program "$run" "$out/user-maps.log"

# Square (x, y) has its inside from (5x + 1, 5y + 1); its middle pixel is (5x + 2, 5y + 2).
drawn=("152 152" "202 157" "252 152")
drawn_checks() { # drawn_checks COLOUR WHAT
  checks=()
  local square
  for square in "${drawn[@]}"; do checks+=("$square $1 $2 at ($square)"); done
}
drawn_checks 192,192,192 "open square of the default map"
screen_shows_checks || fail "the default map is not on the screen"

# Walls drawn from square (29, 30) to (50, 30).
draw_walls 152 152 252
park_pointer
drawn_checks 0,100,0 "drawn wall"
screen_shows_checks || fail "the drag drew no walls"

# save_as NAME: "Save Map", Yes, the name, Return; the map file appears in the user's maps folder.
save_as() {
  menu_item File 2
  wait_for_box '^Save map\?$' || fail "no box asked to save"
  xdotool windowfocus --sync "$box" key Return
  wait_for_box '^Enter map name$' || fail "no box asked for a name"
  xdotool windowfocus --sync "$box" type "$1"
  xdotool key Return
  wait_until 20 saved "$1" || fail "$1.map is not in $user_maps"
}
saved() { [[ $(stat -c %s "$user_maps/$1.map" 2>/dev/null) == 102010 ]]; }

# clear_walls: "Clear Walls", the third item of "Pathfind". The program opens a menu only back in
# its own loop with no box open: by then a box the save before brought is on the screen.
clear_walls() {
  menu_item Routeseer 3
  local boxes
  boxes=$(xdotool search --onlyvisible --name '^(Pathfinding Algorithm|Save map\?|Enter map name)' | grep -vx "$window") &&
    { failures=("$(xdotool getwindowname "${boxes%%$'\n'*}")"); fail "a box opened after the save"; }
  return 0
}

save_as walls
[[ $(ls "$folder") == "$program_files" ]] || fail "the save changed the program folder"

clear_walls
drawn_checks 192,192,192 "open again after Clear Walls"
screen_shows_checks || fail "Clear Walls did not bring back the default map"

menu_item File 1
double_click_listed w
wait_for_box '^Pathfinding Algorithm' || fail "no box announced the load of walls.map"
xdotool windowfocus --sync "$box" key Return
drawn_checks 0,100,0 "wall of the loaded walls.map"
screen_shows_checks || fail "walls.map from the user's folder did not load"

save_as blankmap
clear_walls
drawn_checks 0,100,0 "wall of the user's own default map after Clear Walls"
screen_shows_checks || fail "Clear Walls did not bring back the user's blankmap.map"
cmp "$maps/blankmap.map" "$folder/blankmap.map" || fail "the program folder's default map changed"
[[ $(ls "$folder") == "$program_files" ]] || fail "the saves changed the program folder"

crop_window "$out/user-maps-window.png"
echo "as nobody: saved into $user_maps, loaded back and reloaded as the default map; screenshot: $out/user-maps-window.png"
