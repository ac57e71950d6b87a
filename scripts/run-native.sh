#!/usr/bin/env bash
# `./run native`: builds the native GTK program and starts it. Without a display it runs
# on a virtual one under a window manager, saves a screenshot to
# build/screenshot-native.png, asks the window manager to close the window, as its close
# button would, and reports the program's exit code.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-machine.sh
cmake --preset native >/dev/null
cmake --build --preset native --target morvane -j"$(nproc)"

program=build/native/app/gtk/morvane
if [ -n "${DISPLAY:-}" ]; then
  exec "$program"
fi

source scripts/virtual-display.sh
start_virtual_display
trap stop_virtual_display EXIT
start_window_manager
# The virtual display has no GL and no session bus.
set -a
source scripts/headless-gtk.env
set +a

"$program" &
pid=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Morvane$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "run: the Morvane window did not appear" >&2
  kill "$pid" 2>/dev/null
  exit 1
fi
sleep 1
import -frame -window "$window" build/screenshot-native.png
echo "run: screenshot saved to build/screenshot-native.png"
wmctrl -i -c "$window"
status=0
wait "$pid" || status=$?
echo "run: morvane exited with code $status"
exit "$status"
