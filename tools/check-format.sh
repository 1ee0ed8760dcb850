#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it (.clang-format at the root).
#   check-format.sh        check every tracked source file
#   check-format.sh --fix  rewrite them in place
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i --style=file "${files[@]}"
else
  clang-format --dry-run --Werror --style=file "${files[@]}"
fi
