#!/usr/bin/env bash
# Makes docs/screenshot.png, the README's picture: the real program on a private X server, with
# "Show distance rings" ticked by a click on its box and "Pathfind!" clicked, cropped to the window
# once the rings and the route are painted. With "lesson", docs/lesson-view.png instead: the lesson
# view full screen at 1920 x 1080 in the middle of a "Very Slow" animation, rings by distance. With
# "compare", docs/comparison.png: the view's comparison of four searches at 1920 x 1080, forty
# rings into the window's flood.
#   scripts/screenshot.sh [lesson|compare] [PROGRAM]
# Without PROGRAM it builds the program in build/ (ROUTESEER_BUILD_DIR picks another folder).
set -euo pipefail
cd "$(dirname "$0")/.."
lesson=
if [[ ${1:-} == lesson || ${1:-} == compare ]]; then
  lesson=$1
  shift
fi
program=${1:-}
if [[ -z $program ]]; then
  scripts/deps.sh
  source scripts/presets.sh
  configure_preset default >/dev/null
  cmake --build "$build" -j "$(nproc)" --target routeseer
  program=$build/src/routeseer
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p docs

# On the private X server: the program, the two clicks, and screenshots until the result is done.
shoot() {
  local program=$1 work=$2 output=$3
  shot=$work/screen.png
  source tests/e2e/mapscreen.sh
  start_program "$program" "$work/program.log"
  checks=("27 27 255,255,0 yellow start (5, 5)" "437 437 255,255,0 yellow finish (87, 87)")
  screen_shows_checks || { echo "the map was not drawn: ${failures[*]}"; return 1; }
  click_on Check3 # "Show distance rings"
  click_on Command1 # "Pathfind!"
  # Off the window, so no control shows the pointer hovering over it.
  xdotool mousemove 0 0
  # Done when the ends are yellow again over the blue route and the rings cover square (50, 20),
  # which lies off the route: the finish turns yellow last of all. A ring square is red of some
  # shade, so its green is 0; the open background's is 192.
  checks+=("152 152 0,0,255 route square (30, 30)" "432 432 0,0,255 route square (86, 86)")
  read -r left top <<<"$origin"
  done_painting() {
    shows_checks && [[ $(convert "$shot" -format "%[fx:round(255*p{$((left + 252)),$((top + 102))}.g)]" info:) == 0 ]]
  }
  # Up to two minutes: a sanitizer build animates slowly.
  wait_until 120 done_painting || { echo "the rings and the route were not painted: ${failures[*]:-no ring at square (50, 20)}"; return 1; }
  convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip -define png:compression-level=9 "$output"
}

# The lesson view on a screen a class sees, under a window manager, with real keys and clicks on the
# places the program gives for its controls.
shoot_lesson() {
  local program=$1 work=$2 output=$3 view
  shot=$work/screen.png
  source tests/e2e/mapscreen.sh
  start_window_manager /dev/null || return 1
  start_program "$program" "$work/program.log"
  click_on Check3 # "Show distance rings"
  menu_item delay 3 # "Very Slow"
  click_on Command1 # "Pathfind!"
  xdotool key F5
  view=$(timeout 20 xdotool search --sync --onlyvisible --name '^Lesson view' | head -n 1) ||
    { echo "F5 opened no lesson view"; return 1; }
  xdotool windowactivate --sync "$view" key F11 d
  # Far enough into the rings that they fill a good part of the map.
  sleep "${LESSON_WAIT:-25}"
  import -window root -strip -define png:compression-level=9 "$output"
}
# The comparison: the flood and A* as it opens, Dijkstra and greedy best-first chosen in the third
# and fourth choosers by a click on each and the first letters of the name.
shoot_compare() {
  local program=$1 work=$2 output=$3 view
  source tests/e2e/mapscreen.sh
  start_window_manager /dev/null || return 1
  start_program "$program" "$work/program.log"
  xdotool windowactivate --sync "$window" key F5
  view=$(timeout 20 xdotool search --sync --onlyvisible --name '^Lesson view' | head -n 1) ||
    { echo "F5 opened no lesson view"; return 1; }
  xdotool windowactivate --sync "$view" key F11 c
  sleep 2
  read -r width < <(xdpyinfo | awk '/dimensions:/ { split($2, size, "x"); print size[1] }')
  for pick in "0.57 dijkstra" "0.77 greedy"; do
    read -r at name <<<"$pick"
    xdotool mousemove "$(awk -v w="$width" -v at="$at" 'BEGIN { print int(w * at) }')" 34 click 1
    sleep 0.5
    xdotool type --delay 50 "$name"
    xdotool key Return
    sleep 0.5
  done
  xdotool mousemove 0 1079
  for _ in $(seq 40); do xdotool key Next; done
  sleep 1
  import -window root -strip -define png:compression-level=9 "$output"
}
export -f shoot shoot_lesson shoot_compare
if [[ $lesson == compare ]]; then
  XVFB_SCREEN=${XVFB_SCREEN:-1920x1080x24} QT_QPA_PLATFORM=xcb timeout 300 tests/e2e/xvfb.sh \
    bash -c 'shoot_compare "$@"' shoot "$program" "$work" docs/comparison.png
  echo "docs/comparison.png: $(identify -format '%w x %h, %b' docs/comparison.png)"
elif [[ -n $lesson ]]; then
  XVFB_SCREEN=${XVFB_SCREEN:-1920x1080x24} QT_QPA_PLATFORM=xcb timeout 300 tests/e2e/xvfb.sh \
    bash -c 'shoot_lesson "$@"' shoot "$program" "$work" docs/lesson-view.png
  echo "docs/lesson-view.png: $(identify -format '%w x %h, %b' docs/lesson-view.png)"
else
  QT_QPA_PLATFORM=xcb timeout 300 tests/e2e/xvfb.sh bash -c 'shoot "$@"' shoot "$program" "$work" docs/screenshot.png
  echo "docs/screenshot.png: $(identify -format '%w x %h, %b' docs/screenshot.png)"
fi
