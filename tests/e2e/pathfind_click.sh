#!/usr/bin/env bash
# Starts the real program on the X server in DISPLAY, clicks "Pathfind!" with the mouse and checks
# the blue route on a screenshot: the diagonal from the start (5, 5) to the finish (87, 87), both
# ends yellow. pathfind_click.sh PROGRAM OUTPUT_FOLDER
set -euo pipefail

out=$2
mkdir -p "$out"
shot="$out/pathfind-screen.png"
source "$(dirname "$0")/mapscreen.sh"
start_program "$1" "$out/pathfind.log"

# Square (x, y) has its inside from (5x + 1, 5y + 1); its middle pixel is (5x + 2, 5y + 2).
checks=("27 27 255,255,0 yellow start (5, 5)" "2 252 0,100,0 wall (0, 50)")
screen_shows_checks || fail "the map was not drawn"
click_on Command1 # "Pathfind!"

checks=(
  "32 32 0,0,255 route square (6, 6)"
  "152 152 0,0,255 route square (30, 30)"
  "252 252 0,0,255 route square (50, 50)"
  "432 432 0,0,255 route square (86, 86)"
  "27 27 255,255,0 start (5, 5) yellow over the route"
  "437 437 255,255,0 finish (87, 87) yellow over the route"
  "252 102 192,192,192 square (50, 20) off the route"
  "257 252 192,192,192 square (51, 50) off the route"
)
screen_shows_checks || fail "the route on the screen is not as expected"
crop_window "$out/pathfind-window.png"
echo "route shown: ${#checks[@]} pixels as expected; screenshot: $out/pathfind-window.png"
