#!/usr/bin/env bash
# A storm of real input on the real program under Xvfb and a window manager, in sessions: random
# drags with every button, the wheel, the bars, every control, every menu item, keys, searches
# inside animations, answers to every box; hostile "maps" loaded from the list and awkward names
# typed into the save dialog; each session ended by Quit or a close through the window manager,
# idle, during an animation or with a box open, and the program started again. A crash, a
# sanitizer or leak report, a window that stops answering for 5 s, a status other than 0, a box
# missing where the program must show one, or a file outside the folder changed fails the run.
#   scripts/storm.sh [SECONDS] [PROGRAM]
# The default program is the sanitizer build's, made if missing. It runs from a copy of its folder
# planted with hostile files; some sessions run it as nobody, whose maps go where odd
# XDG_DATA_HOME values lead. STORM_SEED=N repeats a storm's choices; STORM_ONLY=random,loads,
# names,ends keeps to some of its parts; STORM_KEEP=DIR keeps the logs there.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
program=${2:-}
scripts/deps.sh
if [[ -z $program ]]; then
  source scripts/presets.sh
  configure_preset sanitizer >/dev/null
  cmake --build "$build" -j "$(nproc)" --target routeseer
  program=$build/src/routeseer
fi
source scripts/install-missing.sh
install_missing xvfb xdotool openbox xclip python3 python3-xlib util-linux

# Everything the storm makes lives in one folder, gone when the storm ends, however it ends.
work=$(mktemp -d "${TMPDIR:-/tmp}/routeseer-storm.XXXXXX")
keep() { [[ -z ${STORM_KEEP:-} ]] || { mkdir -p "$STORM_KEEP" && cp -r "$work/logs" "$STORM_KEEP/"; }; }
trap 'keep; rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/home" "$work/logs" "$work/pictures" "$work/places"
mkdir -m 700 "$work/runtime"
# Some sessions run the program as nobody, who must reach it and may export pictures.
chmod 755 "$work"
chmod 1777 "$work/pictures" "$work/places"
cp "$program" "$(dirname "$program")"/*.map "$work/program/"
echo "the storm's own file outside the program folder: it must stay as it is" >"$work/outside.txt"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/qt-leaks.supp:print_suppressions=0
export PYTHONDONTWRITEBYTECODE=1
timeout $((seconds + 240)) tests/e2e/xvfb.sh /usr/bin/python3 scripts/storm/storm.py \
  "$seconds" "$work/program/$(basename "$program")" "$work" &
storm=$!
# Stopped from outside, the storm still ends its X server and programs before the folder goes.
trap 'kill "$storm" 2>/dev/null; wait "$storm"; exit 143' TERM INT
wait "$storm"
