#!/usr/bin/env bash
# The window on a unit at a fixed path (as a by-id name reaches an adapter):
# the unit is killed and started again several times while the window runs.
# Prints, per cycle, the time from the unit's terminal being back to the
# window holding it open again, and the window's CPU while it was disconnected.
# Usage: bench/window_reconnect_bench.sh [bin folder] ; CYCLES, AWAY_SECONDS.
set -euo pipefail

bin=${1:-build/default/bin}
cycles=${CYCLES:-5}
away=${AWAY_SECONDS:-5}
hz=$(getconf CLK_TCK)

source "$(dirname "$0")/virtual_display.sh"
link=$work/unit
printf '[PORTS]\r\nCOM1=%s\r\n' "$link" >"$work/ignition-programmer/ZIR_OVI.ini"

sim_pid=
start_unit() {  # starts the unit, sets $pty to its terminal once it is there
  "$bin/ignition-unit-sim" --link "$link" --monitor-ms 100 >"$work/sim.txt" 2>&1 &
  sim_pid=$!
  until [ -s "$work/sim.txt" ] && [ -e "$link" ]; do sleep 0.005; done
  pty=$(readlink -f "$link")
}
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
holds() {  # pid path: whether the process has the path open
  local fd
  for fd in /proc/"$1"/fd/*; do [ "$(readlink "$fd")" = "$2" ] && return 0; done
  return 1
}

start_unit
"$bin/ignition-programmer" 2>>"$work/stderr.txt" &
app=$!
window_of "$app" >/dev/null
until holds "$app" "$pty"; do sleep 0.01; done

for cycle in $(seq "$cycles"); do
  kill -TERM "$sim_pid"; wait "$sim_pid" || true
  sleep 0.3  # the window notices at once; from here on it is disconnected
  before=$(cpu_ticks "$app"); t0=$(now_ms)
  sleep "$away.$((cycle * 137 % 1000))"
  used=$(( $(cpu_ticks "$app") - before )); t1=$(now_ms)
  start_unit
  back=$(now_ms)
  until holds "$app" "$pty"; do sleep 0.005; done
  reopened=$(( $(now_ms) - back ))
  cpu=$(awk -v u="$used" -v hz="$hz" -v ms="$((t1 - t0))" 'BEGIN { printf "%.2f", 100 * u / hz / (ms / 1000) }')
  echo "cycle $cycle: port back -> reopened ${reopened} ms; CPU while disconnected ${cpu} % of a core"
done
kill -TERM "$sim_pid"; wait "$sim_pid" || true
kill -TERM "$app"; wait "$app" || true
