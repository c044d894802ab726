#!/usr/bin/env bash
# Edits the map as a person does, on the X server in DISPLAY: a drag with the left button across
# the map draws dark green walls; "Move Start/Finish" from the Pathfind menu brings out the bars,
# and a click on the arrow at the right end of the top bar moves the yellow start one square to
# the right and brings back the default map. edit_map.sh PROGRAM OUTPUT_FOLDER
set -euo pipefail

out=$2
mkdir -p "$out"
shot="$out/edit-screen.png"
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/mapscreen.sh"
start_program "$1" "$out/edit.log"

# Square (x, y) has its inside from (5x + 1, 5y + 1); its middle pixel is (5x + 2, 5y + 2).
checks=("27 27 255,255,0 yellow start (5, 5)" "2 252 0,100,0 wall (0, 50)" "152 152 192,192,192 open (30, 30)")
screen_shows_checks || fail "the map was not drawn"

# Press in square (29, 30) and drag to square (70, 30). Walls come with the moves, not with the press.
draw_walls 152 152 352
park_pointer

checks=(
  "152 152 0,100,0 drawn wall (30, 30)"
  "157 157 0,100,0 drawn wall (31, 31)"
  "252 152 0,100,0 drawn wall (50, 30)"
  "252 157 0,100,0 drawn wall (50, 31)"
  "352 152 0,100,0 drawn wall (70, 30)"
  "357 157 0,100,0 drawn wall (71, 31)"
  "147 152 192,192,192 open (29, 30), pressed but not moved in"
  "362 152 192,192,192 open (72, 30), right of the drag"
  "252 147 192,192,192 open (50, 29), above the brush"
  "252 162 192,192,192 open (50, 32), below the brush"
)
screen_shows_checks || fail "the walls drawn by the drag are not on the screen as expected"
crop_window "$out/edit-walls.png"

# "Move Start/Finish" is the last of four items of "Pathfind". The top bar (HScroll1) shows its
# right arrow, dark on light, at its right end; a click there moves the start.
menu_item Routeseer 4
wait_until 20 pixel_is root $(point HScroll1 'width - 8' 'height / 2') 92,92,92 || { failures=(); fail "the bars did not come out"; }
click_on HScroll1 'width - 8' 'height / 2'
park_pointer

checks=(
  "32 27 255,255,0 yellow start, now (6, 5)"
  "27 27 192,192,192 open (5, 5), where the start was"
  "437 437 255,255,0 yellow finish (87, 87)"
  "252 152 192,192,192 open (50, 30): the drawn walls are gone"
  "2 252 0,100,0 wall (0, 50) of the default map"
)
screen_shows_checks || fail "the start did not move one square with the bar"
crop_window "$out/edit-window.png"
echo "walls drawn and the start moved: screenshots $out/edit-walls.png and $out/edit-window.png"
