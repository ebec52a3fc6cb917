#!/usr/bin/env bash
# CPU of the window while idle on the Injection 1 page with monitor frames
# every 100 ms (the in-process simulated unit), the live operating point on
# and off, the heat colours on. Runs alternate so a busy machine weighs on
# both alike. Usage: bench/map_views_bench.sh [path/to/ignition-programmer]
# Needs Xvfb and xdotool.
set -euo pipefail

bin=${1:-build/default/bin/ignition-programmer}
rounds=${ROUNDS:-3}
idle=${IDLE_SECONDS:-30}

on_exit() { cat "$work/stderr.txt" >&2 2>/dev/null || true; }
source "$(dirname "$0")/virtual_display.sh"

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }

measure() {  # marker (0 or 1); prints CPU ticks used in $idle s
  printf '[FORM_HLAV]\r\nActivePage=2\r\n[PORTS]\r\nCOM1=simulator\r\n[VIEW]\r\nHeatMap=1\r\nOperatingPoint=%s\r\n' \
    "$1" >"$work/ignition-programmer/ZIR_OVI.ini"
  "$bin" 2>>"$work/stderr.txt" &
  local pid=$!
  window_of "$pid" >/dev/null
  sleep 3
  local before after
  before=$(cpu "$pid")
  sleep "$idle"
  after=$(cpu "$pid")
  kill -TERM "$pid"
  wait "$pid"
  echo $((after - before))
}

declare -A total=([0]=0 [1]=0)
echo "== CPU while idle on Injection 1, frames every 100 ms, ${idle} s per run, ${rounds} rounds"
for round in $(seq "$rounds"); do
  for marker in 1 0; do
    used=$(measure "$marker")
    total[$marker]=$((total[$marker] + used))
    awk -v t="$used" -v hz="$ticks" -v s="$idle" -v m="$marker" -v r="$round" \
      'BEGIN { printf "round %d, marker %s: %.2f s of CPU, %.2f %% of one core\n", r, m ? "on " : "off", t / hz, 100 * t / hz / s }'
  done
done
for marker in 1 0; do
  awk -v t="${total[$marker]}" -v hz="$ticks" -v s="$((idle * rounds))" -v m="$marker" \
    'BEGIN { printf "marker %s: %.2f %% of one core on average\n", m ? "on " : "off", 100 * t / hz / s }'
done
