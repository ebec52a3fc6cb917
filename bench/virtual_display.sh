# Sourced by the window benchmarks: a virtual display of their own, and a
# throwaway folder ($work) for the settings and the runtime files, removed at
# exit (after on_exit, where the benchmark defines one).
work=$(mktemp -d)
# Xvfb picks a display number nobody uses and writes it once it is ready, so
# benchmarks running side by side never share or lose their display. It does
# not reset when its last client goes, or the next window started in that
# moment finds no display and Qt aborts.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 3>"$work/display" >"${XVFB_LOG:-/dev/null}" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; if declare -F on_exit >/dev/null; then on_exit; fi; rm -rf "$work"' EXIT
until [ -s "$work/display" ]; do sleep 0.05; done
display=:$(head -1 "$work/display")
# The server takes a while longer to answer its first client at full speed.
sleep 1
export DISPLAY=$display DBUS_SESSION_BUS_ADDRESS=disabled: XDG_CONFIG_HOME=$work XDG_DATA_HOME=$work/data
mkdir -p "$work/ignition-programmer" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime

window_of() {  # pid; waits until the process shows a window, fails when it ends without one
  until xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -1; do
    kill -0 "$1" 2>/dev/null || { echo "process $1 ended without showing a window" >&2; return 1; }
    sleep 0.02
  done
}
now_ms() { date +%s%3N; }
