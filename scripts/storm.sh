#!/usr/bin/env bash
# A storm of real input on the real program under Xvfb: random drags over the map, clicks on every
# control, every menu item but "Quit" (searches started inside animations, map loads and saves,
# generators, delay changes), answers to whatever box is open, for a bounded time. Then "Quit",
# which must end the program at once with status 0. Anything else (a crash, a sanitizer report,
# a hang) fails the run.
#   scripts/storm.sh [SECONDS] [PROGRAM]
# The default program is the sanitizer build's, made if missing. It runs from a copy of its folder,
# so the maps the storm saves do not land in the build tree. Stops by itself: SECONDS (default 300)
# of input, then at most 30 seconds to quit.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
program=${2:-}
if [[ -z $program ]]; then
  scripts/deps.sh
  cmake -S . -B build-asan -DROUTESEER_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DROUTESEER_BUILD_BENCH=OFF >/dev/null
  cmake --build build-asan -j "$(nproc)" --target routeseer
  program=build-asan/src/routeseer
fi
folder=$(mktemp -d)
cp "$program" "$(dirname "$program")"/*.map "$folder"/
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
exec timeout $((seconds + 120)) tests/e2e/xvfb.sh bash -c '
  set -uo pipefail
  folder=$1 seconds=$2
  shot=$folder/storm.png
  source tests/e2e/mapscreen.sh
  start_program "$folder/routeseer" "$folder/storm.log"
  import -window root "$shot"
  read -r mapx mapy <<<"$(map_origin)"
  # The client area starts 14 pixels above and left of the map.
  cx=$((mapx - 14)) cy=$((mapy - 14))
  menubar=$((Y + 7))
  menus=(16 57 104 146)   # File, Pathfind, Extras, Delay: x of each title in the window
  items=(3 4 3 3)         # items per menu
  click() { xdotool mousemove "$1" "$2" click 1; }
  client() { click $((cx + $1)) $((cy + $2)); }
  pick() { echo $((RANDOM % $1)); }
  menu_item() {   # menu_item MENU ITEM, by keyboard once the menu is open
    click $((X + menus[$1])) "$menubar"
    sleep 0.05
    local keys=() k
    for ((k = 0; k <= $2; k++)); do keys+=(Down); done
    xdotool key --delay 20 "${keys[@]}" Return
  }
  # A program that has ended stays a zombie until waited for, so look at its state.
  alive() { local state; state=$(ps -o stat= -p "$program_pid") && [[ $state != Z* ]]; }
  actions=0 end=$((SECONDS + seconds))
  while ((SECONDS < end)); do
    case $(pick 12) in
      0 | 1) xdotool mousemove $((mapx + $(pick 520) - 10)) $((mapy + $(pick 520) - 10)) mousedown 1
             for _ in 1 2 3 4 5; do xdotool mousemove $((mapx + $(pick 540) - 20)) $((mapy + $(pick 540) - 20)); done
             xdotool mouseup 1 ;;
      2) xdotool mousemove $((mapx + $(pick 501))) $((mapy + $(pick 501))) ;;
      3) client 658 298 ;;                               # Pathfind!
      4) client $((546 + $(pick 20))) $((35 + 21 * $(pick 4))) ;;   # the four option boxes
      5) menu=$(pick 4) item=$(pick "${items[menu]}")
         ((menu == 0 && item == 2)) || menu_item "$menu" "$item" ;;   # never "Quit" here
      6) menu_item 1 $(pick 4) ;;                       # the search menu, more often
      7) bar=$(pick 4)                                   # an arrow of a start/finish bar
         case $bar in
           0) client $((16 + 500 * $(pick 2))) 7 ;; 1) client 7 $((16 + 500 * $(pick 2))) ;;
           2) client 525 $((16 + 500 * $(pick 2))) ;; 3) client $((16 + 500 * $(pick 2))) 525 ;;
         esac ;;
      8) xdotool mousemove $((cx + 560 + $(pick 200))) $((cy + 335 + $(pick 150))) click --repeat 2 --delay 60 1 ;;
      9) client 725 508 ;;                               # Close load list
      10) xdotool type --delay 10 "storm$(pick 5)"; xdotool key Return ;;
      11) xdotool key "$( (($(pick 2))) && echo Return || echo Escape)" ;;
    esac
    actions=$((actions + 1))
    alive || { echo "the program ended during the storm, after $actions actions"; tail -n 40 "$folder/storm.log"; exit 1; }
  done
  # Close any open box, then "Quit".
  for _ in 1 2 3 4; do xdotool key Escape; sleep 0.2; done
  menu_item 0 2
  status=
  for _ in $(seq 300); do
    if ! alive; then wait "$program_pid"; status=$?; break; fi
    sleep 0.1
  done
  if [[ -z $status ]]; then
    echo "the program did not end within 30 seconds of Quit after $actions actions"
    import -window root "$shot"; echo "screenshot: $shot"; exit 1
  fi
  if ((status != 0)) || grep -q -E "ERROR: AddressSanitizer|runtime error" "$folder/storm.log"; then
    echo "the program ended with status $status after $actions actions"; tail -n 40 "$folder/storm.log"; exit 1
  fi
  echo "storm: $actions actions in $seconds s, then Quit: status 0, no sanitizer report"
' storm "$folder" "$seconds"
