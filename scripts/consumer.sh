#!/usr/bin/env bash
# Builds tests/consumer, a separate project that uses the search core and sets no C++ standard of
# its own, in fresh folders and runs it, both ways another project takes the core: with
# add_subdirectory (with routeseer's sanitizer option on, which must not reach the consumer's link),
# and with find_package from the core installed by the core preset.
#   scripts/consumer.sh [CMAKE_OPTIONS...]   (passed to the consumer's configuration)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Taken in with add_subdirectory.
cmake -S tests/consumer -B "$work/subdirectory" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROUTESEER_SANITIZE=ON "$@"
cmake --build "$work/subdirectory" -j "$(nproc)" --verbose >"$work/subdirectory.log"
link=$(grep -E -- ' -o consumer( |$)' "$work/subdirectory.log") || { echo "consumer.sh: no link of the consumer"; exit 1; }
if grep -q -e '-fsanitize' -e 'relro' <<<"$link"; then
  echo "consumer.sh: routeseer's link options reached the consumer's link: $link"
  exit 1
fi
"$work/subdirectory/consumer"
# The core offers its public headers and nothing else of routeseer's: the window's are out of reach.
compile=$(grep -E -- '-o [^ ]*main\.cpp\.o' "$work/subdirectory.log")
reaches() {
  local folder
  for folder in $(grep -oE -- '-(I|isystem )[^ ]+' <<<"$compile" | sed -E 's/^-(I|isystem )//'); do
    [[ -e $folder/$1 ]] && return 0
  done
  return 1
}
reaches map/routeseer.h || { echo "consumer.sh: the consumer does not reach map/routeseer.h"; exit 1; }
if reaches app/form1.h; then
  echo "consumer.sh: the core's include folders reach the window's headers: $compile"
  exit 1
fi

# Installed, and found with find_package.
cmake --preset core -B "$work/core" >/dev/null
cmake --build "$work/core" -j "$(nproc)"
cmake --install "$work/core" --prefix "$work/prefix" >/dev/null
cmake -S tests/consumer -B "$work/package" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCONSUMER_FIND_PACKAGE=ON \
  -DCMAKE_PREFIX_PATH="$work/prefix" "$@"
cmake --build "$work/package" -j "$(nproc)"
"$work/package/consumer"
echo "consumer.sh: the core served both ways"
