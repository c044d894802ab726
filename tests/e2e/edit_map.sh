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

# With the bars out the top bar covers the map's first pixel row, where map_origin looks: from
# then on the checks use the origin found before.
screen_shows_checks_at() {
  for _ in $(seq 40); do
    import -window root "$shot"
    check_pixels "$left" "$top" && return 0
    sleep 0.25
  done
  return 1
}

# Square (x, y) has its inside from (5x + 1, 5y + 1); its middle pixel is (5x + 2, 5y + 2).
checks=("27 27 255,255,0 yellow start (5, 5)" "2 252 0,100,0 wall (0, 50)" "152 152 192,192,192 open (30, 30)")
screen_shows_checks || fail "the map was not drawn"
read -r left top <<<"$origin"
client_left=$((left - 14)) client_top=$((top - 14))

# Press in square (29, 30) and drag to square (70, 30), a few pixels per move, less than a square.
# Walls come with the moves, not with the press.
xdotool mousemove $((left + 148)) $((top + 152)) mousedown 1
for x in $(seq 152 4 352); do
  xdotool mousemove $((left + x)) $((top + 152))
done
xdotool mouseup 1
xdotool mousemove $((client_left + 700)) $((client_top + 500))

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
screen_shows_checks_at || fail "the walls drawn by the drag are not on the screen as expected"
convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/edit-walls.png"

# "Move Start/Finish" is the last of four items of "Pathfind", the menu right of "File".
xdotool mousemove $((client_left + 16)) $(((Y + client_top) / 2)) click 1
sleep 0.5
xdotool key Right Down Down Down Return
sleep 0.5
# The top bar (HScroll1) lies at (14, 0) of the client area, 505 x 15; its right arrow ends it.
xdotool mousemove $((client_left + 14 + 505 - 8)) $((client_top + 7)) click 1
xdotool mousemove $((client_left + 700)) $((client_top + 500))

checks=(
  "32 27 255,255,0 yellow start, now (6, 5)"
  "27 27 192,192,192 open (5, 5), where the start was"
  "437 437 255,255,0 yellow finish (87, 87)"
  "252 152 192,192,192 open (50, 30): the drawn walls are gone"
  "2 252 0,100,0 wall (0, 50) of the default map"
)
screen_shows_checks_at || fail "the start did not move one square with the bar"
convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/edit-window.png"
echo "walls drawn and the start moved: screenshots $out/edit-walls.png and $out/edit-window.png"
