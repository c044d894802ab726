#!/usr/bin/env bash
# Formats the tree's C++ with the checked-in .clang-format:
#   scripts/format.sh           rewrites every file that is off-format
#   scripts/format.sh --check   changes nothing; names each off-format file and fails if there is one
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-missing.sh
install_missing clang-format
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
