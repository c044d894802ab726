#!/usr/bin/env bash
# Runs a command on a private X server: xvfb.sh COMMAND [ARGUMENTS...]. The server takes a free
# display number, and it is stopped when the command ends, whichever way the script exits.
# XVFB_SCREEN sets its screen (default 1280x1024x24).
set -uo pipefail

ready=$(mktemp)
xvfb_pid=
stop_server() {
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null
    timeout 5 tail --pid="$xvfb_pid" -f /dev/null 2>/dev/null || kill -9 "$xvfb_pid" 2>/dev/null
  fi
  rm -f "$ready"
}
trap stop_server EXIT
trap 'exit 143' TERM INT

# Xvfb writes the display number it chose to descriptor 3 once it accepts clients.
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp 3>"$ready" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [[ -s $ready ]] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
display=$(head -n 1 "$ready")
if [[ -z $display ]]; then
  echo "xvfb.sh: Xvfb did not start" >&2
  exit 1
fi

DISPLAY=":$display" "$@"
