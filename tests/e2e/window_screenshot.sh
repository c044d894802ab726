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

"$program" >"$out/routeseer.log" 2>&1 &
program_pid=$!
trap 'kill "$program_pid" 2>/dev/null || true' EXIT

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Pathfinding Algorithm' | head -n 1) || {
  echo "the window did not appear"; cat "$out/routeseer.log"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")" # sets X, Y, WIDTH, HEIGHT

# The map's top-left corner is at (14, 14) of the client area, which starts below the menu bar:
# find it as the top of the map's last vertical grid line, right of every menu title.
map_origin() {
  local column=$((X + 14 + 500)) row
  row=$(convert "$shot" -crop "1x${HEIGHT}+${column}+${Y}" +repage -depth 8 txt:- |
    awk -F'[,:]' '/#000000/ { print $2; exit }')
  [[ -n $row ]] && echo "$((X + 14)) $((Y + row))"
}

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

failures=()
check_pixels() {
  local left=$1 top=$2 format="" check x y
  for check in "${checks[@]}"; do
    read -r x y _ <<<"$check"
    x=$((left + x)) y=$((top + y))
    format+="%[fx:round(255*p{$x,$y}.r)],%[fx:round(255*p{$x,$y}.g)],%[fx:round(255*p{$x,$y}.b)] "
  done
  local -a seen
  read -r -a seen <<<"$(convert "$shot" -format "$format" info:)"
  failures=()
  local i=0 expected what
  for check in "${checks[@]}"; do
    read -r _ _ expected what <<<"$check"
    [[ ${seen[i]} == "$expected" ]] || failures+=("$what: got rgb(${seen[i]}), expected rgb($expected)")
    i=$((i + 1))
  done
  ((${#failures[@]} == 0))
}

# The window shows before the map is drawn: look again until the map is complete.
for _ in $(seq 40); do
  import -window root "$shot"
  if origin=$(map_origin) && check_pixels $origin; then
    convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$window_shot"
    echo "window at ($X, $Y), ${WIDTH} x ${HEIGHT}; map at ($origin); ${#checks[@]} pixels as expected"
    echo "screenshot: $window_shot"
    exit 0
  fi
  sleep 0.25
done
echo "the map on the screen is not as expected:"
printf '  %s\n' "${failures[@]:-the map was not found on the screen}"
echo "screenshot: $shot"
exit 1
