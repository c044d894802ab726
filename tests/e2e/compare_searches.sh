#!/usr/bin/env bash
# The comparison with real keys on a full-screen lesson view: the window's flood beside A* on the
# default map, replayed to the end, and the figures Ctrl+C copies agree with routeseer-map's own
# comparison of the same map, ends and rule; the route and the three shades are on the screen.
# compare_searches.sh PROGRAM ROUTESEER_MAP DEFAULT_MAP OUTPUT_FOLDER
set -euo pipefail

out=$4
mkdir -p "$out"
shot="$out/compare-screen.png"
source "$(dirname "$0")/mapscreen.sh"
start_window_manager "$out/openbox.log" || exit 1
start_program "$1" "$out/compare.log"
trap 'kill "$program_pid" "$manager" 2>/dev/null || true' EXIT

xdotool windowactivate --sync "$window"
xdotool key F5
view=$(timeout 20 xdotool search --sync --onlyvisible --name '^Lesson view' | head -n 1) || fail "F5 opened no lesson view"
xdotool windowactivate --sync "$view"
xdotool key F11 c
sleep 1
xdotool key End ctrl+c
copied=""
has_figures() { copied=$(timeout 5 xclip -o -selection clipboard 2>/dev/null) && [[ $copied == pane* ]]; }
wait_until 20 has_figures || fail "Ctrl+C copied no figures: '$copied'"
printf '%s\n' "$copied" >"$out/copied.tsv"

"$2" compare "$3" --moves window --json >"$out/compare.json"
python3 - "$out/copied.tsv" "$out/compare.json" <<'PY' || fail "the figures differ"
import csv, json, sys
rows = list(csv.DictReader(open(sys.argv[1]), delimiter="\t"))
cli = {s["search"]: s for s in json.load(open(sys.argv[2]))["searches"]}
assert [(r["search"], r["moves"]) for r in rows] == [("bfs", "window"), ("astar", "window")], rows
for row in rows:
    want = cli[row["search"]]
    got = {"expanded": int(row["expanded"]), "discovered": int(row["discovered"]),
           "largestFrontier": int(row["largest frontier"]), "routeSteps": int(row["route steps"]),
           "cost": float(row["cost"])}
    for name, value in got.items():
        if abs(value - want[name]) > 1e-3:
            sys.exit(f"{row['search']} {name}: the view {value}, routeseer-map {want[name]}")
    print(row["search"], got)
PY

# On the screen: the route's blue, and a step back from the end shows the three shades of the
# moment (done, frontier, the square being expanded).
count() { convert "$shot" -fill black +opaque "$1" -fill white -opaque "$1" -format "%[fx:round(mean*w*h)]" info:; }
import -window root "$shot"
(($(count "rgb(0,70,181)") > 500)) || fail "no route on the screen"
xdotool key Left
sleep 1
import -window root "$shot"
for shade in "rgb(142,191,224)" "rgb(230,159,0)" "rgb(106,27,154)"; do
  (($(count "$shade") > 0)) || fail "no $shade on the screen a step before the end"
done
echo "comparison: figures agree with routeseer-map; screenshot: $shot"
