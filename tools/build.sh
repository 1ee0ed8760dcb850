#!/usr/bin/env bash
# Configures (once) and builds both builds: build/host (native: platform-free
# library and its tests) and build/win (mingw-w64: pokomi.exe and the Wine tests).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${POKOMI_JOBS:-$(nproc)}

configure() {  # dir [cmake args]
  local dir=$1; shift
  [ -f "$root/$dir/CMakeCache.txt" ] || cmake -S "$root" -B "$root/$dir" -G "Unix Makefiles" "$@" >/dev/null
}

configure build/host
configure build/win -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake"

cmake --build "$root/build/host" -j "$jobs" -- --no-print-directory "${@}"
cmake --build "$root/build/win" -j "$jobs" -- --no-print-directory "${@}"

# The program as it ships: pokomi.exe with the sample data folder and the manual beside it.
# The staged data folder is what the clock saves into; it is replaced only when
# the shipped sample data itself has changed.
dist="$root/build/dist/pokomi"
mkdir -p "$dist"
cp -u "$root/build/win/pokomi.exe" "$root/docs/manual/manual.html" "$dist/"
stamp=$(cd "$root" && find dat -type f -print0 | sort -z | xargs -0 sha1sum | sha1sum | cut -d' ' -f1)
if [ ! -d "$dist/dat" ] || [ "$(cat "$dist/.dat-stamp" 2>/dev/null)" != "$stamp" ]; then
  rm -rf "$dist/dat"
  cp -r "$root/dat" "$dist/dat"
  echo "$stamp" > "$dist/.dat-stamp"
fi
