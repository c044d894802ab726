#!/usr/bin/env bash
# Starts the real program on the X server in DISPLAY, ticks "Show distance rings", chooses
# "Very Slow" and clicks "Pathfind!", then drives the animation with real keys while "Pathfind!"
# has the focus: Space pauses it (the caption says "(paused)" and the picture stops changing, and
# the button is not clicked), Right paints exactly one more square, Esc finishes the rings and the
# route at once with yellow ends. animation_keys.sh PROGRAM OUTPUT_FOLDER
set -euo pipefail

out=$2
mkdir -p "$out"
shot="$out/keys-screen.png"
source "$(dirname "$0")/mapscreen.sh"
start_program "$1" "$out/keys.log"
FinishWithinMs=3000

checks=("27 27 255,255,0 yellow start (5, 5)")
screen_shows_checks || fail "the map was not drawn"
read -r left top <<<"$origin"
client_at "$left" "$top"

# The map picture alone, from a fresh screenshot, into file $1.
map_picture() {
  import -window root "$shot"
  convert "$shot" -crop "501x501+${left}+${top}" +repage "$1"
}
# How many pixels differ between two pictures.
pixels_differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
caption() { xdotool getwindowname "$window"; }

click 586 84 # "Show distance rings"
# Three menus right of "File" is "Delay"; its last item is "Very Slow".
open_file_menu
xdotool key Right Right Right Up Return
click 658 298 # "Pathfind!", which keeps the focus
sleep 1

xdotool key space
for _ in $(seq 50); do
  [[ $(caption) == *" (paused)" ]] && break
  sleep 0.1
done
[[ $(caption) == *" (paused)" ]] || { failures=("caption: $(caption)"); fail "Space did not pause"; }
sleep 0.3
map_picture "$out/paused-1.png"
sleep 1
map_picture "$out/paused-2.png"
still=$(pixels_differing "$out/paused-1.png" "$out/paused-2.png")
((still == 0)) || { failures=("$still pixels changed in a second"); fail "the paused picture still changes"; }
checks=(
  "32 32 4,0,0 first ring square (6, 6) in its shade"
  "252 252 192,192,192 square (50, 50) not reached yet"
)
check_pixels "$left" "$top" || fail "the paused picture is not a ring animation under way"

xdotool key Right
sleep 0.5
map_picture "$out/stepped.png"
stepped=$(pixels_differing "$out/paused-2.png" "$out/stepped.png")
# One square's inside is 4 x 4 pixels.
((stepped == 16)) || { failures=("$stepped pixels changed"); fail "Right did not paint exactly one square"; }

started=$(date +%s%N)
xdotool key Escape
checks=(
  "27 27 255,255,0 start (5, 5) yellow"
  "437 437 255,255,0 finish (87, 87) yellow"
  "252 252 0,0,255 route square (50, 50)"
  "432 432 0,0,255 route square (86, 86)"
)
for _ in $(seq 100); do
  import -window root "$shot"
  check_pixels "$left" "$top" && break
  sleep 0.05
done
took=$((($(date +%s%N) - started) / 1000000))
check_pixels "$left" "$top" || fail "Esc did not finish the animation"
((took <= FinishWithinMs)) || { failures=("took ${took} ms"); fail "Esc did not finish at once"; }
# A square far from the start that the flood reached before the finish shows its ring shade.
far=$(convert "$shot" -format "%[fx:round(255*p{$((left + 402)),$((top + 102))}.r)],%[fx:round(255*p{$((left + 402)),$((top + 102))}.g)],%[fx:round(255*p{$((left + 402)),$((top + 102))}.b)]" info:)
[[ $far =~ ^[0-9]+,0,0$ ]] || { failures=("square (80, 20) is rgb($far)"); fail "the rings were not finished"; }
[[ $(caption) != *"(paused)"* ]] || { failures=("caption: $(caption)"); fail "still paused after Esc"; }
convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/keys-window.png"
echo "paused, stepped one square ($stepped pixels), finished ${took} ms after Esc; screenshot: $out/keys-window.png"
