#!/usr/bin/env bash
# Start-up time and peak memory of the window when its settings file is large:
# another program's section of SIZE bytes in front of a real settings file.
# Each run starts the window, waits until it shows, then ends it with SIGTERM
# (which closes it as the close box does, so the settings are saved too).
# Usage: bench/large_settings_bench.sh [path/to/ignition-programmer]
#        SIZES="1048576 10485760" RUNS=3
# Needs Xvfb, xdotool and /usr/bin/time (GNU time).
set -euo pipefail

bin=${1:-build/default/bin/ignition-programmer}
runs=${RUNS:-3}
sizes=${SIZES:-1048576 10485760}

source "$(dirname "$0")/virtual_display.sh"

settings() {  # size in bytes, the file's own entries included
  local file=$work/ignition-programmer/ZIR_OVI.ini
  local tail=$'[FORM_HLAV]\r\nActivePage=1\r\n[PORTS]\r\nCOM1=simulator\r\n'
  # Entries of about 30 bytes; the last one is padded to the exact size.
  awk -v n="$(($1 - ${#tail}))" 'BEGIN {
    s = "[OTHER_PROGRAM]\r\n"; printf "%s", s; total = length(s)
    for (i = 0; n - total > 64; i++) { l = sprintf("Entry%d=some value %d\r\n", i, i); total += length(l); printf "%s", l }
    pad = sprintf("%" (n - total - 7) "s", ""); printf "Last=%s\r\n", pad
  }' >"$file"
  printf '%s' "$tail" >>"$file"
  rm -f "$file".refused-*
}

for size in $sizes; do
  echo "== settings file of $size bytes ($runs runs)"
  for _ in $(seq "$runs"); do
    settings "$size"
    start=$(now_ms)
    /usr/bin/time -f '%M' -o "$work/rss.txt" "$bin" 2>"$work/stderr.txt" &
    timed=$!
    pid=
    until [ -n "$pid" ]; do pid=$(pgrep -P "$timed" || true); done
    window_of "$pid" >/dev/null
    shown=$(($(now_ms) - start))
    kill -TERM "$pid"
    wait "$timed" || true
    echo "$shown ms to the window, peak $(($(tail -1 "$work/rss.txt") / 1024)) MiB"
  done
  echo "   said on standard error:"
  sed 's/^/   | /' "$work/stderr.txt"
done
