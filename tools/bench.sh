#!/usr/bin/env bash
# Benchmark of the running clock under Wine (not a test; prints figures):
#  1. drawing: a full paint and a second step (median of many), GDI objects
#     alive over 100,000 ticks (pokomi_bench.exe);
#  2. idle cost, side by side in one run, each program on its own Xvfb and each
#     Wine program in its own prefix: the clock as it starts (second hand shown,
#     label hidden), the clock started minimised, the clock once its boot sound has
#     played and ended, the plainest Win32 window (pokomi_bare.exe, Wine's floor)
#     and `xclock -update 1`. CPU is summed over every process of the prefix
#     (wineserver, the program, the services the prefix starts) plus its Xvfb;
#     xclock's over the client and its Xvfb. RSS is the program process's own;
#  3. wineserver requests per second of the shown clock and of the bare window
#     (WINEDEBUG=+server), with the requests the clock makes most.
# The clocks run on a copy of the sample data whose sound lists are empty (only
# the boot-sound clock keeps its Boot list) and whose Message.ini is empty, so
# that no sound plays and no message opens while they are measured; their
# pokomi.exe is stripped as the release is (the build's own keeps its debug
# information, which Wine would read into memory with the rest of the file).
# CPU time is the kernel's own count in nanoseconds (schedstat) of every thread.
#   tools/bench.sh [SECONDS]        (default 120 s of measurement)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-120}
server_seconds=20
settle=10
"$root/tools/setup.sh"
"$root/tools/build.sh" >/dev/null
cmake --build "$root/build/win" --target pokomi_bench pokomi_bare wmclose >/dev/null

work="$root/build/bench"
mkdir -p "$work"
run() { "$root/tools/wine-run.sh" "$@"; }
xvfb_pids=()
prefixes=()
others=()
cleanup() {
  for p in "${prefixes[@]}"; do WINEPREFIX="$p" wineserver -k 2>/dev/null || true; done
  kill "${others[@]}" "${xvfb_pids[@]}" 2>/dev/null || true
  # Until every process of those prefixes has gone, so the next phase starts afresh.
  for p in "${prefixes[@]}"; do
    for _ in $(seq 50); do [ -z "$(prefix_pids "$p")" ] && break; sleep 0.2; done
  done
}
trap cleanup EXIT

# start_xvfb NAME: an X server of its own; sets DISPLAY_OF[NAME] and XVFB_OF[NAME].
declare -A DISPLAY_OF XVFB_OF PREFIX_OF FOLDER_OF
start_xvfb() {
  local name=$1 file="$work/$1.display"
  rm -f "$file"
  Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$file" 2>/dev/null &
  XVFB_OF[$name]=$!
  xvfb_pids+=($!)
  for _ in $(seq 100); do [ -s "$file" ] && break; sleep 0.1; done
  DISPLAY_OF[$name]=":$(cat "$file")"
}

# clock_folder NAME [Boot] [minimised]: pokomi.exe with a data folder of its own.
clock_folder() {
  local name=$1 boot=${2:-} minimised=${3:-} dir="$work/$1"
  rm -rf "$dir" && mkdir -p "$dir"
  cp "$root/build/dist/pokomi/pokomi.exe" "$dir/"
  x86_64-w64-mingw32-strip --strip-all "$dir/pokomi.exe"
  cp -r "$root/dat" "$dir/dat"
  : > "$dir/dat/Message.ini"
  {
    printf '[Boot]\r\n'
    [ -n "$boot" ] && printf 'dat\\sounds\\boot.wav\r\n'
    printf '[Exit]\r\n[Time]\r\n[Away]\r\n[Alarm]\r\n[Return]\r\n[Minimize]\r\n[Restore]\r\n[Update]\r\n'
  } > "$dir/dat/Sound.ini"
  [ -n "$minimised" ] && printf '[Version1.1]\r\nMinimize=1\r\n' > "$dir/pokomi.ini"
  FOLDER_OF[$name]=$dir
}

prefix_pids() { grep -lzx "WINEPREFIX=$1" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3 || true; }
# Nanoseconds on a CPU of every thread of a process.
ns_of() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%.0f\n", n }'; }
# The first process of the prefix (or any, for xclock: a pid list) whose name is given.
pid_named() {  # NAME PIDS...
  local name=$1; shift
  for pid in "$@"; do [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "$name" ] && { echo "$pid"; return; }; done
}
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$1/status" 2>/dev/null || echo 0; }

# CPU time of one measured thing: every process of the prefix plus its Xvfb.
declare -A T0 T1
snapshot() {  # ARRAY-NAME: ticks per pid of everything measured
  local -n into=$1
  into=()
  local name pid
  for name in "${!DISPLAY_OF[@]}"; do
    local pids=("${XVFB_OF[$name]}")
    if [ -n "${PREFIX_OF[$name]:-}" ]; then
      mapfile -t more < <(prefix_pids "${PREFIX_OF[$name]}")
      pids+=("${more[@]}")
    else
      pids+=("${XCLOCK_PID}")
    fi
    for pid in "${pids[@]}"; do into["$name/$pid"]=$(ns_of "$pid"); done
  done
}
cpu_ms_per_minute() {  # NAME: CPU used between the snapshots, per minute of wall time
  local name=$1 total=0
  for key in "${!T1[@]}"; do
    [ "${key%%/*}" = "$name" ] || continue
    local used=$((T1[$key] - ${T0[$key]:-0}))
    [ "$used" -gt 0 ] && total=$((total + used))  # a process gone meanwhile reads 0
  done
  awk -v t="$total" -v s="$seconds" 'BEGIN { printf "%.0f", t / 1e6 * 60 / s }'
}

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(wine --version 2>/dev/null)"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

# ---- 1. Drawing -------------------------------------------------------------------------
start_xvfb draw
PREFIX_OF[draw]="$work/prefix-draw"
prefixes+=("${PREFIX_OF[draw]}")
clock_folder draw
DISPLAY=${DISPLAY_OF[draw]} run --prefix "${PREFIX_OF[draw]}" "$root/build/win/pokomi_bench.exe" \
  "$(echo "Z:${FOLDER_OF[draw]}/" | tr / '\\')"
WINEPREFIX="${PREFIX_OF[draw]}" wineserver -k 2>/dev/null || true
kill "${XVFB_OF[draw]}" 2>/dev/null || true
unset 'DISPLAY_OF[draw]' 'PREFIX_OF[draw]'

# ---- 2. Idle cost -----------------------------------------------------------------------
start_wine() {  # NAME PROGRAM [ARGS...]
  local name=$1; shift
  PREFIX_OF[$name]="$work/prefix-$name"
  prefixes+=("${PREFIX_OF[$name]}")
  DISPLAY=${DISPLAY_OF[$name]} run --prefix "${PREFIX_OF[$name]}" "$@" >/dev/null 2>&1 &
  others+=($!)
}
wait_clock() {  # NAME: until its clock window exists
  DISPLAY=${DISPLAY_OF[$1]} run --prefix "${PREFIX_OF[$1]}" "$root/build/win/wmclose.exe" --wait
}

for name in clock minimised boot bare xclock; do start_xvfb "$name"; done
clock_folder clock
clock_folder minimised "" minimised
clock_folder boot Boot
PREFIX_OF[minimised]="$work/prefix-minimised"
# The minimised clock needs a taskbar at its start; the stand-in ends once the clock is hidden.
DISPLAY=${DISPLAY_OF[minimised]} run --prefix "${PREFIX_OF[minimised]}" "$root/build/win/pokomi_bare.exe" --taskbar &
taskbar=$!
sleep 1
start_wine clock "${FOLDER_OF[clock]}/pokomi.exe"
start_wine minimised "${FOLDER_OF[minimised]}/pokomi.exe"
start_wine boot "${FOLDER_OF[boot]}/pokomi.exe"
start_wine bare "$root/build/win/pokomi_bare.exe"
DISPLAY=${DISPLAY_OF[xclock]} xclock -update 1 2>/dev/null &
XCLOCK_PID=$!
others+=("$XCLOCK_PID")
for name in clock minimised boot; do wait_clock "$name"; done
wait "$taskbar" || true
sleep "$settle"
if ! pid_named pokomi_bare.exe $(prefix_pids "${PREFIX_OF[bare]}") >/dev/null; then
  echo "bench: the bare window did not start" >&2
  exit 1
fi
snapshot T0
sleep "$seconds"
snapshot T1
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

program_pid() {  # NAME
  if [ "$1" = xclock ]; then echo "$XCLOCK_PID"; return; fi
  local exe=pokomi.exe
  [ "$1" = bare ] && exe=pokomi_bare.exe
  pid_named "$exe" $(prefix_pids "${PREFIX_OF[$1]}")
}
declare -A CPU RSS
for name in clock minimised boot bare xclock; do
  CPU[$name]=$(cpu_ms_per_minute "$name")
  RSS[$name]=$(rss_kb "$(program_pid "$name")")
done
echo
echo "idle cost over $seconds s (CPU per minute of wall time: prefix + Xvfb; RSS of the program):"
row() { printf '  %-44s %6s ms/min  %6.1f MB\n' "$1" "${CPU[$2]}" "$(awk -v k="${RSS[$2]}" 'BEGIN { print k / 1024 }')"; }
row "clock (second hand shown, label hidden)" clock
row "clock minimised" minimised
row "clock after its boot sound ended" boot
row "bare Win32 window (Wine's floor)" bare
row "xclock -update 1 (client + its Xvfb)" xclock
awk -v c="${CPU[clock]}" -v m="${CPU[minimised]}" -v b="${CPU[bare]}" -v x="${CPU[xclock]}" \
    -v r="${RSS[boot]}" -v rb="${RSS[bare]}" 'BEGIN {
  printf "  above the floor: clock %+d ms/min = %.2f x xclock; minimised %+d ms/min = %.2f x xclock\n",
         c - b, (c - b) / x, m - b, (m - b) / x
  printf "  RSS after the boot sound: %.2f x the bare window\n", r / rb }'

for name in clock minimised boot; do
  DISPLAY=${DISPLAY_OF[$name]} run --prefix "${PREFIX_OF[$name]}" "$root/build/win/wmclose.exe" || true
done
sleep 2
cleanup
xvfb_pids=() prefixes=() others=()
DISPLAY_OF=() XVFB_OF=() PREFIX_OF=()

# ---- 3. Wineserver requests -------------------------------------------------------------
count_requests() {  # LOG: request lines (not replies) so far
  grep -acE '^[0-9a-f]{4}: [a-z_]+\( ' "$1" 2>/dev/null || true
}
for name in clock bare; do start_xvfb "$name"; done
clock_folder clock
PREFIX_OF[clock]="$work/prefix-clock"
PREFIX_OF[bare]="$work/prefix-bare"
# Each prefix's server started first, tracing every request; the programs then use it.
for name in clock bare; do
  WINEPREFIX="${PREFIX_OF[$name]}" wineserver -f -d1 2>"$work/server-$name.log" &
  others+=($!)
done
sleep 1
start_wine clock "${FOLDER_OF[clock]}/pokomi.exe"
start_wine bare "$root/build/win/pokomi_bare.exe"
wait_clock clock
sleep "$settle"
c0=$(count_requests "$work/server-clock.log"); b0=$(count_requests "$work/server-bare.log")
l0=$(wc -l < "$work/server-clock.log")
sleep "$server_seconds"
c1=$(count_requests "$work/server-clock.log"); b1=$(count_requests "$work/server-bare.log")
l1=$(wc -l < "$work/server-clock.log")
echo
awk -v c=$((c1 - c0)) -v b=$((b1 - b0)) -v s="$server_seconds" 'BEGIN {
  printf "wineserver requests per second over %d s: clock %.1f, bare window %.1f, the clock above it %.1f\n",
         s, c / s, b / s, (c - b) / s }'
echo "  the clock's prefix, most frequent (requests per second):"
sed -n "$((l0 + 1)),${l1}p" "$work/server-clock.log" | grep -aoE '^[0-9a-f]{4}: [a-z_]+\( ' |
  awk '{ n[$2]++ } END { for (r in n) printf "%s %s\n", n[r], r }' | sort -rn | head -12 |
  awk -v s="$server_seconds" '{ printf "    %-28s %6.1f\n", substr($2, 1, length($2) - 1), $1 / s }'
DISPLAY=${DISPLAY_OF[clock]} run --prefix "${PREFIX_OF[clock]}" "$root/build/win/wmclose.exe" || true
sleep 2
