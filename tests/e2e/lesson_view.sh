#!/usr/bin/env bash
# The lesson view with real keys under a window manager: F5 opens it, F11 makes it fill the screen
# with the map in larger squares of whole pixels, the start and the finish among them, and F11
# brings it back. lesson_view.sh PROGRAM OUTPUT_FOLDER
set -euo pipefail

out=$2
mkdir -p "$out"
shot="$out/lesson-screen.png"
source "$(dirname "$0")/mapscreen.sh"
start_window_manager "$out/openbox.log" || exit 1
start_program "$1" "$out/lesson.log"
trap 'kill "$program_pid" "$manager" 2>/dev/null || true' EXIT
read -r screen_width screen_height < <(xdpyinfo | awk '/dimensions:/ { split($2, size, "x"); print size[1], size[2] }')

xdotool windowactivate --sync "$window"
xdotool key F5
view=$(timeout 20 xdotool search --sync --onlyvisible --name '^Lesson view' | head -n 1) || fail "F5 opened no lesson view"
size() { xwininfo -id "$view" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
full_screen() { [[ $(size) == "${screen_width}x${screen_height}" ]]; }
xdotool windowactivate --sync "$view"
xdotool key F11
wait_until 20 full_screen || fail "F11 left the view at $(size)"

# The start and the finish are the only yellow on the screen: two blocks of equal size, larger
# than the window's 4 x 4 insides. The view grows before it repaints: the screen must first stop
# changing from one look to the next.
yellow=()
rm -f "$shot" "$out/lesson-look.png"
two_yellow_blocks() {
  [[ ! -f $shot ]] || mv "$shot" "$out/lesson-look.png"
  import -window root "$shot"
  [[ -f $out/lesson-look.png && $(compare -metric AE "$out/lesson-look.png" "$shot" null: 2>&1) == 0 ]] || return 1
  mapfile -t yellow < <(convert "$shot" -fill black +opaque "rgb(255,255,0)" -fill white -opaque "rgb(255,255,0)" \
    -define connected-components:verbose=true -connected-components 8 null: |
    awk '/srgb\(255,255,255\)/ { print $2 }' | cut -d+ -f1)
  ((${#yellow[@]} == 2))
}
wait_until 20 two_yellow_blocks || true
failures=("yellow blocks: ${yellow[*]:-none}")
((${#yellow[@]} == 2)) && [[ ${yellow[0]} == "${yellow[1]}" ]] || fail "the start and the finish are not two equal squares"
side=${yellow[0]%x*}
((side > 4)) && [[ ${yellow[0]} == "${side}x${side}" ]] || fail "the squares did not grow as whole squares"

xdotool key F11
wait_until 20 eval '! full_screen' || fail "F11 did not bring the view back"
echo "lesson view: full screen ${screen_width}x${screen_height}, start and finish ${side}x${side}; screenshot: $shot"
