# Sourced by the window benchmarks: a virtual display of their own, and a
# throwaway folder ($work) for the settings and the runtime files, removed at
# exit (after on_exit, where the benchmark defines one).
display=:$((80 + RANDOM % 19))
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; if declare -F on_exit >/dev/null; then on_exit; fi; rm -rf "$work"' EXIT
export DISPLAY=$display DBUS_SESSION_BUS_ADDRESS=disabled: XDG_CONFIG_HOME=$work
mkdir -p "$work/ignition-programmer" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
sleep 1

window_of() {  # pid; waits until the process shows a window
  until xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -1; do sleep 0.02; done
}
now_ms() { date +%s%3N; }
