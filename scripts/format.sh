#!/usr/bin/env bash
# Formats the tree's C++ with the checked-in .clang-format:
#   scripts/format.sh           rewrites every file that is off-format
#   scripts/format.sh --check   changes nothing; names each off-format file and fails if there is one
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq clang-format
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ ${1:-} == --check ]]; then
  off=()
  for file in "${files[@]}"; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || off+=("$file")
  done
  if ((${#off[@]})); then
    printf 'off-format (run scripts/format.sh): %s\n' "${off[@]}"
    exit 1
  fi
  echo "format: ${#files[@]} files as .clang-format wants them"
else
  clang-format -i "${files[@]}"
fi
