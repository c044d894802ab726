#!/usr/bin/env bash
# Checks the Debian package as a system would get it: the files it holds and where, the
# dependencies computed from its programs, lintian with no error, its desktop entry and AppStream
# metadata valid; then unpacks it into a folder of its own and starts the packaged program there
# as an ordinary user, on the X server in DISPLAY, and reads the default map off the screen.
# check_package.sh PACKAGE OUTPUT_FOLDER
set -euo pipefail

package=$1
out=$2
fail() {
  echo "check_package.sh: $1"
  exit 1
}

# The files: the program with its maps in /usr/lib/routeseer, started through a relative link.
listing=$(dpkg-deb -c "$package" | awk '{ path = $6; for (i = 7; i <= NF; i++) path = path " " $i; print path }')
wanted=(
  "./usr/bin/routeseer -> ../lib/routeseer/routeseer"
  ./usr/bin/routeseer-map
  ./usr/lib/routeseer/routeseer
  ./usr/lib/routeseer/blankmap.map
  ./usr/share/applications/routeseer.desktop
  ./usr/share/icons/hicolor/48x48/apps/routeseer.png
  ./usr/share/man/man1/routeseer.1.gz
  ./usr/share/man/man1/routeseer-map.1.gz
  ./usr/share/doc/routeseer/copyright
  ./usr/share/doc/routeseer/changelog.gz
)
for file in "${wanted[@]}"; do
  grep -qxF "$file" <<<"$listing" || fail "the package has no $file"
done
maps=$(grep -c '^\./usr/lib/routeseer/.*\.map$' <<<"$listing") || true
((maps >= 5)) || fail "the package holds $maps maps beside the program"
grep -q '^\./usr/share/metainfo/.*\.metainfo\.xml$' <<<"$listing" || fail "the package has no AppStream metadata"
outside=$(grep -v '^\./usr/\(bin\|lib/routeseer\|share\)\(/\| \|$\)' <<<"$listing" | grep -vx '\./usr/\|\./usr/lib/') || true
[[ -z $outside ]] || fail "files outside the package's places: $outside"
depends=$(dpkg-deb -f "$package" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libc6* ]] || fail "dependencies not computed from the programs: '$depends'"

# Lintian: nothing it calls an error. What it says is kept for a person to read.
# Its own scratch files go into a folder of the check's, which goes with them.
lintian_scratch=$(mktemp -d)
TMPDIR=$lintian_scratch lintian --display-info "$package" >"$out/lintian.txt" 2>&1 || true
rm -rf "$lintian_scratch"
cat "$out/lintian.txt"
! grep -q '^E: ' "$out/lintian.txt" || fail "lintian reports errors"

# Unpacked into a folder an ordinary user can read but not write, as a system install is.
root=$(mktemp -d /tmp/routeseer-package.XXXXXX)
trap 'rm -rf "$root"' EXIT
chmod 755 "$root"
dpkg-deb -x "$package" "$root"
report=$(desktop-file-validate "$root/usr/share/applications/routeseer.desktop" 2>&1) || fail "desktop entry: $report"
[[ -z $report ]] || fail "desktop entry: $report"
[[ $(sed -n 's/^Exec=//p' "$root/usr/share/applications/routeseer.desktop") == /usr/bin/routeseer ]] ||
  fail "the desktop entry does not start /usr/bin/routeseer"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "AppStream metadata not valid"
"$root/usr/bin/routeseer-map" solve "$root/usr/lib/routeseer/maze.map" >/dev/null ||
  fail "the packaged routeseer-map does not solve the packaged maze"

# The user nobody starts the link in bin; the program finds its maps beside itself in lib.
user=nobody
starter="$root/start-as-user"
printf '#!/bin/sh\nexec setpriv --reuid=%s --regid=%s --clear-groups env HOME=/nonexistent "%s"\n' \
  "$(id -u $user)" "$(id -g $user)" "$root/usr/bin/routeseer" >"$starter"
chmod 755 "$starter"
shot="$out/package-screen.png"
source "$(dirname "$0")/../e2e/mapscreen.sh"
start_program "$starter" "$out/package-program.log"
# start_program's own trap ends the program; the unpacked folder must go too.
trap 'kill "$program_pid" 2>/dev/null || true; rm -rf "$root"' EXIT
[[ $(ps -o user= -p "$program_pid") == "$user" ]] || fail "the program does not run as $user"
checks=(
  "27 27 255,255,0 yellow start (5, 5)"
  "437 437 255,255,0 yellow finish (87, 87)"
  "2 252 0,100,0 wall (0, 50) of the default map"
  "250 252 0,0,0 grid line x = 250"
  "252 252 192,192,192 open square (50, 50)"
)
screen_shows_checks || fail "the packaged program's map is not the default map: ${failures[*]}"
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
echo "check_package.sh: $package holds the program, its maps and what a desktop needs; lintian found no error;" \
  "started by $user from the unpacked package, it drew the default map"
