# shellcheck shell=bash
# The real program on the X server in DISPLAY, and its map read off screenshots, for the
# end-to-end scripts. Sourcing scripts set `shot`, the screenshot file.

# start_program PROGRAM LOG: starts it, stops it when the script exits, and waits for its window;
# sets program_pid, window and the window's X, Y, WIDTH and HEIGHT.
start_program() {
  "$1" >"$2" 2>&1 &
  program_pid=$!
  trap 'kill "$program_pid" 2>/dev/null || true' EXIT
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Pathfinding Algorithm' | head -n 1) || {
    echo "the window did not appear"; cat "$2"; exit 1; }
  eval "$(xdotool getwindowgeometry --shell "$window")"
}

# The map's top-left corner is at (14, 14) of the client area, which starts below the menu bar:
# find it as the top of the map's last vertical grid line, right of every menu title.
map_origin() {
  local column=$((X + 14 + 500)) row
  row=$(convert "$shot" -crop "1x${HEIGHT}+${column}+${Y}" +repage -depth 8 txt:- |
    awk -F'[,:]' '/#000000/ { print $2; exit }')
  [[ -n $row ]] && echo "$((X + 14)) $((Y + row))"
}

# fail WHAT: says what failed, with the pixels in `failures` that differ, and ends the script. A
# script's own fail, defined before this file is sourced, stays.
declare -F fail >/dev/null || fail() {
  echo "$1:"
  printf '  %s\n' "${failures[@]}"
  echo "screenshot: $shot"
  exit 1
}

# client_at LEFT TOP: the window's client area lies 14 pixels above and left of the map at LEFT,
# TOP; sets client_left and client_top for `click` and `open_file_menu`.
client_at() {
  client_left=$(($1 - 14)) client_top=$(($2 - 14))
}
# click X Y: a left click at (X, Y) of the client area.
click() { xdotool mousemove $((client_left + $1)) $((client_top + $2)) click 1; }
# The menu bar's first title, "File", lies in the middle of the bar, near its left end.
open_file_menu() {
  xdotool mousemove $((client_left + 16)) $(((Y + client_top) / 2)) click 1
  sleep 0.5
}

# check_pixels LEFT TOP: compares the pixels listed in `checks` ("X Y R,G,B what", in map
# picture coordinates) with the screenshot; what differs goes to `failures`.
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

# screen_shows_checks: takes screenshots for up to ten seconds until every pixel in `checks` is
# as expected, since the program paints after the event that asked it to; sets `origin`.
screen_shows_checks() {
  for _ in $(seq 40); do
    import -window root "$shot"
    if origin=$(map_origin) && check_pixels "${origin% *}" "${origin#* }"; then
      return 0
    fi
    sleep 0.25
  done
  [[ -n ${origin:-} ]] || failures=("the map was not found on the screen")
  return 1
}

# menu_keys KEYS...: opens the File menu, the menu bar's first title, and sends the keys to the
# menus. Needs client_left and client_top, the window's client area on the screen.
menu_keys() {
  xdotool mousemove $((client_left + 16)) $(((Y + client_top) / 2)) click 1
  sleep 0.5
  xdotool key "$@"
}

# file_menu_item 1 for "Load Map", 2 for "Save Map".
file_menu_item() {
  local keys=() k
  for ((k = 0; k < $1; k++)); do keys+=(Down); done
  menu_keys "${keys[@]}" Return
}

# wait_for_box NAME: waits up to ten seconds for a visible window besides the program's own whose
# name matches NAME (a regular expression); sets box.
wait_for_box() {
  box=
  for _ in $(seq 40); do
    box=$(xdotool search --onlyvisible --name "$1" | grep -vx "$window" | head -n 1) && return 0
    sleep 0.25
  done
  return 1
}

# double_click_listed KEY: chooses the first entry of the open load list that starts with KEY by
# typing it, finds the chosen row on the screen and double-clicks it. Needs client_left, client_top.
double_click_listed() {
  local list_left=$((client_left + 546)) list_top=$((client_top + 329)) chosen=()
  xdotool mousemove $((list_left + 40)) $((list_top + 8)) click 1
  xdotool type "$1"
  for _ in $(seq 20); do
    import -window root "$shot"
    # Highlighted pixels are clearly blue; the list is otherwise white with black text.
    mapfile -t chosen < <(convert "$shot" -crop "1x162+$((list_left + 150))+${list_top}" +repage -depth 8 txt:- |
      awk -F'[,:() ]+' 'NR > 1 && $5 > $3 + 60 { print $2 }')
    ((${#chosen[@]} > 0)) && break
    sleep 0.25
  done
  ((${#chosen[@]} > 0)) || { echo "no entry of the load list is chosen; screenshot: $shot"; return 1; }
  xdotool mousemove $((list_left + 60)) $((list_top + (chosen[0] + chosen[-1]) / 2)) click --repeat 2 --delay 80 1
}
