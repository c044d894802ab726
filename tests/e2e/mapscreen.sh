# shellcheck shell=bash
# The real program on the X server in DISPLAY, driven at the places it gives for its controls, and
# its map read off screenshots, for the end-to-end scripts. Sourcing scripts set `shot`, the
# screenshot file.

# wait_until SECONDS COMMAND...: runs the command until it succeeds, for up to SECONDS. The program
# handles input and paints when it gets to it, the later the more loaded the machine is.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

# start_program PROGRAM LOG: starts it, stops it when the script exits, and waits for its window and
# for the places of its controls, which it writes once the default map is loaded. Sets program_pid,
# window, the window's inside on the screen (X, Y, WIDTH, HEIGHT) and origin, the map's corner there.
start_program() {
  # The program may run as another user: anyone may write the folder, as /tmp.
  local folder="${2%.log}-controls"
  mkdir -p "$folder"
  chmod 1777 "$folder"
  controls="$folder/places"
  rm -f "$controls"
  ROUTESEER_CONTROL_GEOMETRY=$controls "$1" >"$2" 2>&1 &
  program_pid=$!
  trap 'kill "$program_pid" 2>/dev/null || true' EXIT
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Pathfinding Algorithm' | head -n 1) || {
    echo "the window did not appear"; cat "$2"; exit 1; }
  wait_until 20 test -s "$controls" || { echo "the program did not write its controls' places"; cat "$2"; exit 1; }
  # Under a window manager, xdotool's window geometry is the frame's; xwininfo's is the window's own.
  read -r X Y WIDTH HEIGHT < <(xwininfo -id "$window" | awk '/Absolute upper-left X:/ { x = $4 }
    /Absolute upper-left Y:/ { y = $4 } /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, w, h }')
  origin=$(point Picture1 0 0)
}

# place NAME: "LEFT TOP WIDTH HEIGHT" on the screen of the control (Picture1 is the map) or of a menu
# title (menu:File, menu:Routeseer for "Pathfind", menu:extras, menu:delay), as the program gave it.
place() {
  local x y width height
  read -r _ x y width height < <(grep -m 1 "^$1 " "$controls") || { echo "no place for $1 in $controls" >&2; return 1; }
  echo "$((X + x)) $((Y + y)) $width $height"
}

# point NAME [DX DY]: the screen point DX, DY from the control's corner, expressions that may use its
# width and height; without them, its middle.
point() {
  local spot left top width height
  spot=$(place "$1") || return 1
  read -r left top width height <<<"$spot"
  echo "$((left + ${2:-width / 2})) $((top + ${3:-height / 2}))"
}

# click_on NAME [DX DY]: a left click at that point of the control.
click_on() {
  local spot
  spot=$(point "$@") || exit 1
  xdotool mousemove ${spot% *} ${spot#* } click 1
}

# park_pointer: the pointer to the window's bottom right corner, where no control lies, so none shows
# it hovering.
park_pointer() { xdotool mousemove $((X + WIDTH - 2)) $((Y + HEIGHT - 2)); }

# pixel_is WINDOW X Y R,G,B: the pixel at X, Y of the window (root: the screen) has the colour now.
pixel_is() { [[ $(import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1) == *"($4)"* ]]; }

# crop_window FILE: the window, cut from the last screenshot.
crop_window() { convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"; }

# fail WHAT: says what failed, with the pixels in `failures` that differ, and ends the script. A
# script's own fail, defined before this file is sourced, stays.
declare -F fail >/dev/null || fail() {
  echo "$1:"
  printf '  %s\n' "${failures[@]}"
  echo "screenshot: $shot"
  exit 1
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

# screen_shows_checks: takes screenshots for up to twenty seconds until every pixel in `checks` is
# as expected, since the program paints after the event that asked it to.
shows_checks() { import -window root "$shot" && check_pixels ${origin}; }
screen_shows_checks() { wait_until 20 shows_checks; }

# draw_walls ROW FROM TO: presses the left button at map pixel (FROM - 4, ROW) and drags along the
# row to TO, 4 pixels a move, less than a square, so that the walls join up. The program merges the
# moves it reads late: each move waits until its 2 x 2 brush of walls is on the screen. A move that
# draws nothing ends the waits, and the checks that follow tell.
draw_walls() {
  local row=$1 x left top
  read -r left top <<<"$origin"
  xdotool mousemove $((left + $2 - 4)) $((top + row)) mousedown 1
  for ((x = $2; x <= $3; x += 4)); do
    xdotool mousemove $((left + x)) $((top + row))
    wait_until 10 brush_shown $((left + x / 5 * 5 + 2)) $((top + row / 5 * 5 + 2)) || break
  done
  xdotool mouseup 1
}
# brush_shown X Y: the squares whose middles are X, Y and 5 pixels right, below and below right are
# dark green walls.
brush_shown() { [[ $(import -window root -crop "6x6+$1+$2" -depth 8 txt:- | grep -c '^[05],[05]: .*#006400') == 4 ]]; }

# menu_open NAME: the menu's window is on the screen, its corner at the bottom left of its title.
menu_open() {
  local corner popup
  corner=$(point "menu:$1" 0 height) || return 1
  for popup in $(xdotool search --onlyvisible --class '^routeseer$'); do
    [[ $(xwininfo -id "$popup" | awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { print x, $4 }') == "$corner" ]] &&
      return 0
  done
  return 1
}
menu_closed() { ! menu_open "$1"; }

# open_menu NAME: clicks the title of the menu (File, Routeseer, extras, delay) and waits for it. A
# box left open keeps it shut: the failure names the program's other windows.
open_menu() {
  click_on "menu:$1"
  wait_until 20 menu_open "$1" && return 0
  import -window root "$shot"
  failures=("the program's other windows: $(xdotool search --onlyvisible --name . | grep -vx "$window" |
    xargs -r -n 1 xdotool getwindowname | paste -sd ,)")
  fail "the menu $1 did not open"
}

# menu_item NAME N: the menu's Nth item, reached with the keys. Waits for the menu to close, so that
# later input goes to the window, not to the menu.
menu_item() {
  local keys=() k
  for ((k = 0; k < $2; k++)); do keys+=(Down); done
  open_menu "$1"
  xdotool key "${keys[@]}" Return
  wait_until 10 menu_closed "$1" || { failures=(); fail "the menu $1 did not close"; }
}

# wait_for_box NAME: waits up to twenty seconds for a visible window besides the program's own whose
# name matches NAME (a regular expression); sets box.
find_box() { box=$(xdotool search --onlyvisible --name "$1" | grep -vx "$window" | head -n 1); }
wait_for_box() { wait_until 20 find_box "$1"; }

# double_click_listed KEY: chooses the first entry of the open load list that starts with KEY by
# typing it, finds the chosen row on the screen and double-clicks it.
chosen_rows() {
  import -window root "$shot"
  # Highlighted pixels are clearly blue; the list is otherwise white with black text.
  mapfile -t chosen < <(convert "$shot" -crop "1x${list_height}+$((list_left + 150))+${list_top}" +repage -depth 8 txt:- |
    awk -F'[,:() ]+' 'NR > 1 && $5 > $3 + 60 { print $2 }')
  ((${#chosen[@]} > 0))
}
double_click_listed() {
  local list_left list_top list_height chosen=()
  read -r list_left list_top _ list_height <<<"$(place File1)"
  xdotool mousemove $((list_left + 40)) $((list_top + 8)) click 1
  xdotool type "$1"
  wait_until 10 chosen_rows || { echo "no entry of the load list is chosen; screenshot: $shot"; return 1; }
  xdotool mousemove $((list_left + 60)) $((list_top + (chosen[0] + chosen[-1]) / 2)) click --repeat 2 --delay 80 1
}

# start_window_manager LOG: starts openbox (its pid in `manager`) and waits until it manages the
# screen, as a window opened after that is managed from the start.
start_window_manager() {
  openbox >"$1" 2>&1 &
  manager=$!
  wait_until 20 eval "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" ||
    { echo "the window manager did not start: $(cat "$1")"; return 1; }
}
