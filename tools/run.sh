#!/usr/bin/env bash
# Builds ぽこみ, stages build/dist/pokomi (pokomi.exe + dat/) and runs it under Wine.
# On a display ($DISPLAY set) the clock runs until you close it. Without one it
# runs for a few seconds on a virtual screen, saves a screenshot, closes the
# clock with WM_CLOSE and says where the picture is.
# --message runs a copy whose data folder holds a message due in the next
# minute, and takes the screenshot once the message window has opened.
#   tools/run.sh [--seconds N] [--shot FILE] [--message]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=3
shot="$root/build/screenshot.png"
message=0
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --shot) shot=$2; shift 2 ;;
    --message) message=1; shift ;;
    *) echo "usage: tools/run.sh [--seconds N] [--shot FILE] [--message]" >&2; exit 2 ;;
  esac
done

"$root/tools/setup.sh"
"$root/tools/build.sh" >/dev/null
dist="$root/build/dist/pokomi"
if [ "$message" = 1 ]; then
  # A copy of the program whose data folder has a message for the coming minute.
  demo="$root/build/demo/pokomi"
  rm -rf "$demo" && mkdir -p "$demo" && cp -r "$dist/." "$demo/"
  rm -f "$demo/pokomi.ini"
  minute=$(( (10#$(date +%M) + ( 10#$(date +%S) > 45 ? 2 : 1 )) % 60 ))
  printf '%s\r\nNULL\r\n[\r\n%s\r\n%s\r\n]\r\n毎日\r\nNULL\r\n毎時\r\n%d\r\n' \
    "ぽこみからのお知らせ" "ぽこみの画面です。" "毎時${minute}分に、このメッセージが表示されます。" "$minute" |
    iconv -f UTF-8 -t CP932 >> "$demo/dat/Message.ini"
  dist="$demo"
  seconds=$(( (minute - 10#$(date +%M) + 60) % 60 * 60 - 10#$(date +%S) + 3 ))
fi
run="$root/tools/wine-run.sh --prefix $root/build/wineprefix-run"

if [ -n "${DISPLAY:-}" ]; then
  exec $run "$dist/pokomi.exe"
fi

# No display: a virtual screen of our own.
exec 9< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & echo "pid $!"; wait)
read -r _ xvfb_pid <&9
read -r display <&9
export DISPLAY=":$display"
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
xsetroot -solid '#6d8fb3' 2>/dev/null || true

$run "$dist/pokomi.exe" &
clock_pid=$!
$run "$root/build/win/wmclose.exe" --wait || { echo "run: the clock did not start" >&2; exit 1; }
sleep "$seconds"
mkdir -p "$(dirname "$shot")"
import -window root "$shot"
$run "$root/build/win/wmclose.exe" || echo "run: the clock window was not found" >&2
for _ in $(seq 50); do kill -0 $clock_pid 2>/dev/null || break; sleep 0.2; done
kill $clock_pid 2>/dev/null || true
echo "Screenshot of the running clock: $shot"
