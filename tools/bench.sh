#!/usr/bin/env bash
# Benchmark of the running clock under Wine on Xvfb (not a test; prints figures):
#  - a full paint and a second step (median of many), GDI objects over 100,000 ticks;
#  - CPU time used by pokomi.exe over 60 s of wall time, next to `xclock -update 1`
#    on the same display in the same run.
#   tools/bench.sh [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$root/tools/setup.sh"
"$root/tools/build.sh" >/dev/null
cmake --build "$root/build/win" --target pokomi_bench >/dev/null

exec 9< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & echo "pid $!"; wait)
read -r _ xvfb_pid <&9
read -r display <&9
export DISPLAY=":$display"
pids=("$xvfb_pid")
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
run="$root/tools/wine-run.sh --prefix $root/build/wineprefix-run"

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(wine --version 2>/dev/null)"
bench_dir=$(mktemp -d)
cp -r "$root/build/dist/pokomi/dat" "$bench_dir/"
$run "$root/build/win/pokomi_bench.exe" "$(winepath -w "$bench_dir/" 2>/dev/null || echo "Z:$bench_dir/" | tr / '\\')"
rm -rf "$bench_dir"

# CPU over wall time: the real program and xclock side by side.
cpu_ticks() { if [ -n "$1" ] && [ -r "/proc/$1/stat" ]; then awk '{print $14 + $15}' "/proc/$1/stat"; else echo 0; fi; }
$run "$root/build/dist/pokomi/pokomi.exe" &
pids+=($!)
$run "$root/build/win/wmclose.exe" --wait
clock_pid=$(pgrep -n -f '^[^ ]*pokomi\.exe$' || true)
server_pid=$(pgrep -n wineserver || true)
xclock -update 1 2>/dev/null &
xclock_pid=$!
pids+=("$xclock_pid")
sleep 2
hz=$(getconf CLK_TCK)
c0=$(cpu_ticks "$clock_pid"); x0=$(cpu_ticks "$xclock_pid"); s0=$(cpu_ticks "$server_pid")
sleep "$seconds"
c1=$(cpu_ticks "$clock_pid"); x1=$(cpu_ticks "$xclock_pid"); s1=$(cpu_ticks "$server_pid")
awk -v c=$((c1 - c0)) -v x=$((x1 - x0)) -v s=$((s1 - s0)) -v hz="$hz" -v t="$seconds" 'BEGIN {
  printf "CPU over %d s wall: pokomi.exe %.2f s (%.2f%%), wineserver %.2f s, xclock -update 1 %.2f s (%.2f%%)\n",
         t, c / hz, 100 * c / hz / t, s / hz, x / hz, 100 * x / hz / t }'
$run "$root/build/win/wmclose.exe" || true
