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

# The map picture alone, from a fresh screenshot, into file $1.
map_picture() {
  import -window root "$shot"
  convert "$shot" -crop "501x501+${left}+${top}" +repage "$1"
}
# How many pixels differ between two pictures.
pixels_differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
# The map picture into file $1 once it no longer changes from one look to the next: the program
# may still paint what it did before the key a moment after it.
settled_picture() {
  map_picture "$out/keys-look.png"
  sleep 0.3
  map_picture "$1"
  (($(pixels_differing "$out/keys-look.png" "$1") == 0))
}
# The map picture differs from file $1.
picture_differs_from() {
  map_picture "$out/keys-look.png"
  (($(pixels_differing "$1" "$out/keys-look.png") > 0))
}
caption() { xdotool getwindowname "$window"; }
caption_paused() { [[ $(caption) == *" (paused)" ]]; }

click_on Check3 # "Show distance rings"
menu_item delay 3 # "Very Slow"
click_on Command1 # "Pathfind!", which keeps the focus
checks=("32 32 4,0,0 first ring square (6, 6) in its shade")
screen_shows_checks || fail "no ring animation started"

xdotool key space
wait_until 10 caption_paused || { failures=("caption: $(caption)"); fail "Space did not pause"; }
wait_until 10 settled_picture "$out/paused-1.png" || { failures=(); fail "the paused picture still changes"; }
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
wait_until 10 picture_differs_from "$out/paused-2.png" || { failures=(); fail "Right painted nothing"; }
wait_until 10 settled_picture "$out/stepped.png" || { failures=(); fail "Right did not stop after a step"; }
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
screen_shows_checks || fail "Esc did not finish the animation"
took=$((($(date +%s%N) - started) / 1000000))
((took <= FinishWithinMs)) || { failures=("took ${took} ms"); fail "Esc did not finish at once"; }
# A square far from the start that the flood reached before the finish shows its ring shade.
far=$(convert "$shot" -format "%[fx:round(255*p{$((left + 402)),$((top + 102))}.r)],%[fx:round(255*p{$((left + 402)),$((top + 102))}.g)],%[fx:round(255*p{$((left + 402)),$((top + 102))}.b)]" info:)
[[ $far =~ ^[0-9]+,0,0$ ]] || { failures=("square (80, 20) is rgb($far)"); fail "the rings were not finished"; }
wait_until 10 eval '! caption_paused' || { failures=("caption: $(caption)"); fail "still paused after Esc"; }
crop_window "$out/keys-window.png"
echo "paused, stepped one square ($stepped pixels), finished ${took} ms after Esc; screenshot: $out/keys-window.png"
