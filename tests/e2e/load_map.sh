#!/usr/bin/env bash
# Loads a sample map as a person does, on the X server in DISPLAY: "Load Map" from the File menu,
# a click in the load list and the key "m" to choose maze.map, a double-click on it, OK on the box
# that announces the load. Checks on screenshots that the box comes before the maze, and that the
# maze's walls are then painted over the default map. With "latin1", the program folder's name is
# Latin-1, not UTF-8: the program finds its default map and its maps all the same.
# load_map.sh PROGRAM MAPS_FOLDER OUTPUT_FOLDER [latin1]
set -euo pipefail

program=$1
maps=$2
out=$3
tag=load${4:+-$4}
shot="$out/$tag-screen.png"
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/mapscreen.sh"

# A program folder of the test's own, holding just the bundled maps, so the list is known.
folder="$out/$tag-program"
[[ ${4:-} != latin1 ]] || folder="$out/$tag-prog-caf"$'\xe9'
rm -rf "$folder"
mkdir -p "$folder"
cp "$program" "$maps"/*.map "$folder"
maze="$folder/maze.map"

start_program "$folder/$(basename "$program")" "$out/$tag.log"

# Squares of two rows of the maze: walls between its cells and open cells and passages.
passable() { od -An -t d2 -j $((10 * ($1 + 101 * $2))) -N 2 "$maze" | tr -d ' '; }
maze_walls=() maze_open=()
for y in 50 51; do
  for x in $(seq 1 3 99); do
    if [[ $(passable "$x" "$y") == 0 ]]; then maze_walls+=("$x $y"); else maze_open+=("$x $y"); fi
  done
done
((${#maze_walls[@]} >= 5 && ${#maze_open[@]} >= 5)) || { echo "maze.map is not a maze"; exit 1; }

# square_checks COLOUR WHAT SQUARES...: one check inside each square.
square_checks() {
  local colour=$1 what=$2 square x y
  shift 2
  for square in "$@"; do
    read -r x y <<<"$square"
    checks+=("$((5 * x + 2)) $((5 * y + 2)) $colour $what ($x, $y)")
  done
}
checks=()
square_checks 192,192,192 "default map: open square, a wall of the maze" "${maze_walls[@]}"
square_checks 0,100,0 "default map: wall square" "0 50" "50 0"
screen_shows_checks || fail "the default map is not on the screen"
read -r left top <<<"$origin"
# A point inside the load list, in map picture coordinates.
read -r list_left list_top _ <<<"$(place File1)"
list_point="$((list_left - left + 150)) $((list_top - top + 150))"

# "Load Map" is the first item of the File menu.
menu_item File 1
checks=("$list_point 255,255,255 the open load list")
screen_shows_checks || fail "the load list did not open"

# Choose maze.map, then double-click it.
double_click_listed m

# The box "Attempted to load maze.map." carries the program's title; it opens before the load.
wait_for_box '^Pathfinding Algorithm' || { import -window root "$shot"; echo "no box announced the load; screenshot: $shot"; exit 1; }
# Painted, the box's corner shows its own plain background, not the map under it.
wait_until 10 pixel_is "$box" 2 2 239,239,239 || { failures=(); fail "the box was not painted"; }
import -window root "$shot"
crop_window "$out/$tag-box-open.png"
checks=()
square_checks 192,192,192 "while the box is open: not yet a wall" "${maze_walls[@]}"
check_pixels "$left" "$top" || fail "the maze was painted before its box was answered"

xdotool windowfocus --sync "$box" key Return
checks=("$list_point 255,255,255 the load list, still open")
square_checks 0,100,0 "maze wall" "${maze_walls[@]}"
square_checks 192,192,192 "maze open square" "${maze_open[@]}"
square_checks 255,255,0 "start, open in the maze" "5 5"
square_checks 255,255,0 "finish, open in the maze" "87 87"
screen_shows_checks || fail "the maze's walls are not on the screen as expected"
if xdotool search --onlyvisible --name '^Pathfinding Algorithm' | grep -qvx "$window"; then
  echo "the box is still open"; exit 1
fi
crop_window "$out/$tag-window.png"
echo "maze.map loaded through the list: ${#checks[@]} pixels as expected; screenshot: $out/$tag-window.png"
