#!/usr/bin/env bash
# Makes the release: build/pokomi-1.0.zip, holding one folder pokomi/ with pokomi.exe,
# the sample data folder dat\ (as the repository has it) and manual.html, to unpack
# anywhere on Windows and run. It builds first, refuses an exe that needs a DLL that
# Windows does not ship, and checks that the unpacked folder runs under Wine alone.
#   tools/release.sh [--no-run]   --no-run skips the Wine check of the unpacked zip
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
version=1.0
run_check=1
case "${1:-}" in
  "") ;;
  --no-run) run_check=0 ;;
  *) echo "usage: tools/release.sh [--no-run]" >&2; exit 2 ;;
esac

# The zip is written under a name of its own and takes its final name only once checked:
# a release that stops leaves no zip that looks made.
zip="$root/build/pokomi-$version.zip"
unchecked="$root/build/pokomi-$version.unchecked.zip"
rm -f "$zip" "$unchecked"
stopped() {
  local status=$?
  rm -f "$unchecked"
  [ "$status" -eq 0 ] || echo "release: stopped; no zip was made" >&2
}
trap stopped EXIT

"$root/tools/setup.sh"
"$root/tools/build.sh" >/dev/null
exe="$root/build/win/pokomi.exe"

# Every DLL the exe imports must come with Windows itself.
system_dlls='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|winmm|advapi32|ole32|oleaut32|uxtheme|version|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+)\.dll$'
headers=$(x86_64-w64-mingw32-objdump -p "$exe") || {
  echo "release: objdump could not read the imports of pokomi.exe" >&2
  exit 1
}
mapfile -t dlls < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<< "$headers")
if [ "${#dlls[@]}" -eq 0 ]; then  # every Windows program imports kernel32 at least
  echo "release: no imports found in pokomi.exe; objdump did not read it as a Windows program" >&2
  exit 1
fi
foreign=()
for dll in "${dlls[@]}"; do
  [[ ${dll,,} =~ $system_dlls ]] || foreign+=("$dll")
done
if [ "${#foreign[@]}" -gt 0 ]; then
  echo "release: pokomi.exe imports DLLs that Windows does not have: ${foreign[*]}" >&2
  echo "release: link them statically (see cmake/windows.cmake) and try again" >&2
  exit 1
fi

# The folder as users unpack it. The data folder is the repository's sample, not the
# staged copy in build/dist that the clock saves into.
stage="$root/build/release"
rm -rf "$stage"
mkdir -p "$stage/pokomi"
cp "$exe" "$stage/pokomi/"
x86_64-w64-mingw32-strip --strip-all "$stage/pokomi/pokomi.exe"  # the build keeps its debug information
cp "$root/docs/manual/manual.html" "$stage/pokomi/"
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  (cd "$root" && git ls-files -z -- dat | xargs -0 cp --parents -t "$stage/pokomi")
else
  cp -r "$root/dat" "$stage/pokomi/dat"
fi

# Entries in name order with the time of the last commit, without Unix attributes.
stamp=$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)
find "$stage/pokomi" -exec touch -h -d "@$stamp" {} +
(cd "$stage" && find pokomi -print | LC_ALL=C sort | zip -q -X -@ "$unchecked")

# Unpacked into an empty folder, the program starts under Wine with nothing else
# beside it, keeps running, closes on WM_CLOSE and saves its settings beside itself.
check_unpacked() {
  local dir xvfb_pid display clock_pid run
  dir=$(mktemp -d)
  unzip -q "$unchecked" -d "$dir"
  for f in pokomi.exe manual.html dat/Illust.ini dat/Message.ini; do
    [ -f "$dir/pokomi/$f" ] || { echo "release: the zip lacks pokomi/$f" >&2; return 1; }
  done
  exec 9< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & echo "pid $!"; wait)
  read -r _ xvfb_pid <&9
  read -r display <&9
  run=("$root/tools/wine-run.sh" --prefix "$root/build/wineprefix-release")
  (cd "$dir/pokomi" && DISPLAY=":$display" "${run[@]}" ./pokomi.exe) &
  clock_pid=$!
  local status=0
  if ! DISPLAY=":$display" "${run[@]}" "$root/build/win/wmclose.exe" --wait; then
    echo "release: the unpacked pokomi.exe did not start under Wine" >&2
    status=1
  else
    sleep 3
    kill -0 "$clock_pid" 2>/dev/null || { echo "release: the unpacked pokomi.exe ended by itself" >&2; status=1; }
    DISPLAY=":$display" "${run[@]}" "$root/build/win/wmclose.exe" || true
    for _ in $(seq 100); do kill -0 "$clock_pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$clock_pid" 2>/dev/null; then
      echo "release: the unpacked pokomi.exe did not close" >&2
      kill "$clock_pid" 2>/dev/null || true
      status=1
    elif [ ! -f "$dir/pokomi/pokomi.ini" ]; then
      echo "release: the unpacked pokomi.exe saved no settings beside itself" >&2
      status=1
    fi
  fi
  WINEPREFIX="$root/build/wineprefix-release" wineserver -w  # every Wine process of the check has ended
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$dir"
  return "$status"
}

if [ "$run_check" = 1 ]; then
  check_unpacked
  echo "release: the unpacked zip runs under Wine"
fi
mv "$unchecked" "$zip"
echo "Release: $zip ($(unzip -Z1 "$zip" | grep -vc '/$') files)"
