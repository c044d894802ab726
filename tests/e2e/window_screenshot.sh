#!/usr/bin/env bash
# Starts the real program on the X server in DISPLAY, takes a screenshot of the screen and checks
# real pixels of the map: grey background, black grid lines, the yellow start and finish and the
# dark green walls of the default map's border. window_screenshot.sh PROGRAM OUTPUT_FOLDER
set -euo pipefail

program=$1
out=$2
mkdir -p "$out"
shot="$out/routeseer-screen.png"
window_shot="$out/routeseer-window.png"

source "$(dirname "$0")/mapscreen.sh"
start_program "$program" "$out/routeseer.log"

# Pixels of the map, in map picture coordinates, and the colour each must have.
checks=(
  "252 252 192,192,192 background inside square (50, 50)"
  "500 500 192,192,192 background at the undrawn end point of the last grid line"
  "250 252 0,0,0 vertical grid line x = 250"
  "252 250 0,0,0 horizontal grid line y = 250"
  "0 0 0,0,0 grid corner (0, 0)"
  "27 27 255,255,0 yellow start square (5, 5)"
  "437 437 255,255,0 yellow finish square (87, 87)"
  "2 2 0,100,0 dark green wall square (0, 0)"
  "2 252 0,100,0 dark green wall square (0, 50)"
  "252 2 0,100,0 dark green wall square (50, 0)"
)

# The window shows before the map is drawn: look again until the map is complete.
if screen_shows_checks; then
  crop_window "$window_shot"
  echo "window at ($X, $Y), ${WIDTH} x ${HEIGHT}; map at ($origin); ${#checks[@]} pixels as expected"
  echo "screenshot: $window_shot"
  exit 0
fi
echo "the map on the screen is not as expected:"
printf '  %s\n' "${failures[@]}"
echo "screenshot: $shot"
exit 1
