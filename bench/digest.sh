#!/usr/bin/env bash
# Compares the search core of an earlier commit with the working tree's: builds bench/flooddigest.cpp
# against each (the earlier one checked out in a temporary worktree) and checks that both print the
# same digest for every case. Not timed; it takes a minute or two.
#   bench/digest.sh BASE_COMMIT
set -euo pipefail
cd "$(dirname "$0")/.."
base=$(git rev-parse --verify "${1:?usage: bench/digest.sh BASE_COMMIT}^{commit}")
tree=$PWD
work=$(mktemp -d)
trap 'git -C "$tree" worktree remove --force "$work/base-tree" 2>/dev/null || true; rm -rf "$work"' EXIT
git worktree add --detach -q "$work/base-tree" "$base"

# Each core is taken in with add_subdirectory, as another program would, so the tool builds
# against whichever files the core had at that commit.
digest() { # NAME SOURCE_TREE
  mkdir -p "$work/$1"
  cat >"$work/$1/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(flooddigest LANGUAGES CXX)
add_subdirectory("$2" routeseer)
add_executable(flooddigest "$tree/bench/flooddigest.cpp")
target_link_libraries(flooddigest PRIVATE routeseer_core routeseer_platform_headless)
CMAKE
  cmake -S "$work/$1" -B "$work/$1/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$work/$1/build" -j "$(nproc)" >/dev/null
  "$work/$1/build/flooddigest" "$tree"/data/maps/*.txt >"$work/$1.out"
}
digest base "$work/base-tree"
digest tree "$tree"

echo "base $(git rev-parse --short "$base"): $(tail -n 1 "$work/base.out")"
echo "working tree:   $(tail -n 1 "$work/tree.out")"
if ! cmp -s "$work/base.out" "$work/tree.out"; then
  echo "differ; first differing case (number, base digest | working tree digest):"
  paste -d '|' "$work/base.out" "$work/tree.out" | awk -F '|' '$1 != $2 { print; exit }'
  exit 1
fi
echo "same on every case"
