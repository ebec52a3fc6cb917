#!/usr/bin/env bash
# CPU and memory of the window recording the simulated unit's fastest monitor
# stream (ignition-unit-sim --monitor-ms 1 on a pseudo-terminal, about 80
# frames a second: as many as 9600 baud carries), with the live chart open,
# on a virtual display; then the log's size per hour.
# Usage: bench/log_window_bench.sh [bin folder]   (MINUTES=5 by default)
set -euo pipefail

bin=${1:-build/default/bin}
minutes=${MINUTES:-5}

on_exit() {
  [ -n "${sim:-}" ] && kill "$sim" 2>/dev/null
  cat "$work/stderr.txt" >&2 2>/dev/null || true
}
source "$(dirname "$0")/virtual_display.sh"
export XDG_DATA_HOME=$work/data

"$bin/ignition-unit-sim" --monitor-ms 1 >"$work/sim.txt" 2>>"$work/stderr.txt" &
sim=$!
until [ -s "$work/sim.txt" ]; do sleep 0.05; done
pty=$(head -1 "$work/sim.txt")
# Recording starts by itself at the first frame: the engine idles above 1000 rpm.
printf '[PORTS]\r\nCOM1=%s\r\n[DATALOG]\r\nAutoRecord=1\r\nStartRpm=1000\r\n' "$pty" \
  >"$work/ignition-programmer/ZIR_OVI.ini"

"$bin/ignition-programmer" 2>>"$work/stderr.txt" &
pid=$!
wid=$(window_of "$pid")
xdotool windowfocus --sync "$wid"
xdotool key alt+i
sleep 0.3
xdotool key c  # the live chart
sleep 5

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss() { awk '/VmRSS/ {print $2}' "/proc/$1/status"; }
log() { ls "$work"/data/ignition-programmer/logs/*.msl; }
echo "== ${minutes} min recording with the live chart open"
before=$(cpu "$pid")
rss0=$(rss "$pid")
size0=$(stat -c %s "$(log)")
for m in $(seq "$minutes"); do
  sleep 60
  echo "after ${m} min: RSS $(($(rss "$pid") / 1024)) MB, log $(($(stat -c %s "$(log)") / 1024)) kB"
done
after=$(cpu "$pid")
size1=$(stat -c %s "$(log)")
rows=$(($(wc -l <"$(log)") - 3))
peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
kill -TERM "$pid"
wait "$pid" || true
seconds=$((minutes * 60))
awk -v t="$((after - before))" -v hz="$ticks" -v s="$seconds" \
  'BEGIN { printf "CPU: %.1f s in %d s: %.1f %% of one core\n", t / hz, s, 100 * t / hz / s }'
echo "RSS: $((rss0 / 1024)) MB at the start, peak $((peak / 1024)) MB"
awk -v b="$((size1 - size0))" -v s="$seconds" -v r="$rows" \
  'BEGIN { printf "log: %.1f MB an hour; %d rows in all, %.1f rows a second\n", b / s * 3600 / 1e6, r, r / (s + 5) }'
