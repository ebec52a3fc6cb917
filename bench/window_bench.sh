#!/usr/bin/env bash
# Start-up time, memory and idle CPU of the window on the in-process simulated
# unit, on a virtual display. Usage: bench/window_bench.sh [path/to/ignition-programmer]
# Needs Xvfb, xdotool and /usr/bin/time (GNU time).
set -euo pipefail

bin=${1:-build/default/bin/ignition-programmer}
runs=${RUNS:-5}
soak=${SOAK_SECONDS:-60}
idle=${IDLE_SECONDS:-30}

on_exit() { cat "$work/stderr.txt" >&2 2>/dev/null || true; }
source "$(dirname "$0")/virtual_display.sh"

settings() {  # page
  printf '[FORM_HLAV]\r\nActivePage=%s\r\n[PORTS]\r\nCOM1=simulator\r\n' "$1" >"$work/ignition-programmer/ZIR_OVI.ini"
}

echo "== start to first shown window ($runs runs)"
for _ in $(seq "$runs"); do
  settings 1
  start=$(now_ms)
  "$bin" 2>>"$work/stderr.txt" &
  pid=$!
  window_of "$pid" >/dev/null
  echo "$(($(now_ms) - start)) ms"
  kill -TERM "$pid"
  wait "$pid"
done

echo "== peak memory over ${soak} s of Read, Program, Verify and live changes"
settings 1
/usr/bin/time -v -o "$work/time.txt" "$bin" 2>>"$work/stderr.txt" &
timed=$!
sleep 0.5
pid=$(pgrep -P "$timed")
wid=$(window_of "$pid")
xdotool windowfocus --sync "$wid"
end=$(($(date +%s) + soak))
keys=(F9 F7 F8 F12 F11 F5 F4)
i=0
while [ "$(date +%s)" -lt "$end" ]; do
  xdotool key "${keys[i % ${#keys[@]}]}"
  i=$((i + 1))
  sleep 3
done
kill -TERM "$pid"
wait "$timed"
grep -E 'Maximum resident|Elapsed|User time|System time' "$work/time.txt"

echo "== CPU while idle on the Monitor page (${idle} s, monitor frames every 100 ms)"
settings 5
"$bin" 2>>"$work/stderr.txt" &
pid=$!
window_of "$pid" >/dev/null
sleep 2
ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }
before=$(cpu "$pid")
sleep "$idle"
after=$(cpu "$pid")
kill -TERM "$pid"
wait "$pid"
awk -v t="$((after - before))" -v hz="$ticks" -v s="$idle" \
  'BEGIN { printf "%.2f s of CPU in %d s: %.2f %% of one core\n", t / hz, s, 100 * t / hz / s }'
