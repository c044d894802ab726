#!/usr/bin/env bash
# Starts the real program on the X server in DISPLAY, ticks "Show distance rings", chooses
# "Very Slow", clicks "Pathfind!" and, while the rings are still spreading, chooses "Quit": the
# program must end within a second, with status 0. quit_during_animation.sh PROGRAM OUTPUT_FOLDER
set -euo pipefail

out=$2
mkdir -p "$out"
shot="$out/quit-screen.png"
source "$(dirname "$0")/mapscreen.sh"
start_program "$1" "$out/quit.log"
QuitWithinMs=1000

# True once the program has ended; one that ended but was not waited for yet counts as ended.
program_ended() {
  local state
  state=$(awk '{ print $3 }' "/proc/$program_pid/stat" 2>/dev/null)
  [[ -z $state || $state == Z ]]
}

checks=("27 27 255,255,0 yellow start (5, 5)")
screen_shows_checks || fail "the map was not drawn"

click_on Check3 # "Show distance rings" in the Options frame
menu_item delay 3 # "Very Slow"
click_on Command1 # "Pathfind!"

# The first rings show but the far ones are not there yet: it is slow and running.
checks=(
  "32 32 4,0,0 first ring square (6, 6) in its shade"
  "252 252 192,192,192 square (50, 50) not reached yet"
)
screen_shows_checks || fail "no slow animation is running"
crop_window "$out/quit-window.png"

# "Quit" is the last item of "File".
open_menu File
xdotool key Up
started=$(date +%s%N)
xdotool key Return
while ! program_ended; do
  if (($(date +%s%N) - started > QuitWithinMs * 1000000)); then
    echo "still running ${QuitWithinMs} ms after Quit; screenshot before: $out/quit-window.png"
    exit 1
  fi
  sleep 0.01
done
took=$((($(date +%s%N) - started) / 1000000))
status=0
wait "$program_pid" || status=$?
trap - EXIT
echo "ended ${took} ms after Quit with status ${status}; screenshot before: $out/quit-window.png"
((status == 0))
