#!/usr/bin/env bash
# Makes docs/screenshot.png, the README's picture: the real program on a private X server, with
# "Show distance rings" ticked by a click on its box and "Pathfind!" clicked, cropped to the window
# once the rings and the route are painted. With "lesson", docs/lesson-view.png instead: the lesson
# view full screen at 1920 x 1080 in the middle of a "Very Slow" animation, rings by distance.
#   scripts/screenshot.sh [lesson] [PROGRAM]
# Without PROGRAM it builds the program in build/ (ROUTESEER_BUILD_DIR picks another folder).
set -euo pipefail
cd "$(dirname "$0")/.."
lesson=
if [[ ${1:-} == lesson ]]; then
  lesson=yes
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
  read -r left top <<<"$origin"
  # The client area starts 14 pixels above and left of the map. "Show distance rings" lies at
  # (546, 77) of it, 120 x 15; "Pathfind!" at (546, 273), 225 x 50.
  xdotool mousemove $((left - 14 + 560)) $((top - 14 + 84)) click 1
  xdotool mousemove $((left - 14 + 658)) $((top - 14 + 298)) click 1
  # Off the window, so no control shows the pointer hovering over it.
  xdotool mousemove 0 0
  # Done when the ends are yellow again over the blue route and the rings cover square (50, 20),
  # which lies off the route: the finish turns yellow last of all.
  checks+=("152 152 0,0,255 route square (30, 30)" "432 432 0,0,255 route square (86, 86)")
  # Up to two minutes: a sanitizer build animates slowly.
  local ring
  for _ in $(seq 480); do
    import -window root "$shot"
    # A ring square is red of some shade, so its green is 0; the open background's is 192.
    ring=$(convert "$shot" -format "%[fx:round(255*p{$((left + 252)),$((top + 102))}.g)]" info:)
    if [[ $ring == 0 ]] && check_pixels "$left" "$top"; then
      convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip -define png:compression-level=9 "$output"
      return 0
    fi
    sleep 0.25
  done
  echo "the rings and the route were not painted: ${failures[*]:-no ring at square (50, 20)}"
  return 1
}

# The lesson view on a screen a class sees, under a window manager, with real keys and clicks on the
# places the program gives for its controls.
shoot_lesson() {
  local program=$1 work=$2 output=$3 window left top
  openbox >/dev/null 2>&1 &
  for _ in $(seq 40); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.25
  done
  ROUTESEER_CONTROL_GEOMETRY="$work/controls" "$program" >"$work/program.log" 2>&1 &
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Pathfinding Algorithm' | head -n 1)
  [[ -n $window ]] || { echo "the window did not appear"; cat "$work/program.log"; return 1; }
  for _ in $(seq 40); do [[ -s $work/controls ]] && break; sleep 0.25; done
  left=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ { print $4 }')
  top=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ { print $4 }')
  click() {
    local x y width height
    read -r _ x y width height < <(grep "^$1 " "$work/controls")
    xdotool mousemove $((left + x + width / 2)) $((top + y + height / 2)) click 1
    sleep 0.3
  }
  click Check3
  click menu:delay
  xdotool key Down Down Down Return
  click Command1
  xdotool key F5
  timeout 10 xdotool search --sync --onlyvisible --name '^Lesson view' >/dev/null
  sleep 1
  xdotool key F11 d
  # Far enough into the rings that they fill a good part of the map.
  sleep "${LESSON_WAIT:-25}"
  import -window root -strip -define png:compression-level=9 "$output"
}
export -f shoot shoot_lesson
if [[ -n $lesson ]]; then
  XVFB_SCREEN=${XVFB_SCREEN:-1920x1080x24} QT_QPA_PLATFORM=xcb timeout 300 tests/e2e/xvfb.sh \
    bash -c 'shoot_lesson "$@"' shoot "$program" "$work" docs/lesson-view.png
  echo "docs/lesson-view.png: $(identify -format '%w x %h, %b' docs/lesson-view.png)"
else
  QT_QPA_PLATFORM=xcb timeout 300 tests/e2e/xvfb.sh bash -c 'shoot "$@"' shoot "$program" "$work" docs/screenshot.png
  echo "docs/screenshot.png: $(identify -format '%w x %h, %b' docs/screenshot.png)"
fi
