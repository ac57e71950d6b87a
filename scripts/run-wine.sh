#!/usr/bin/env bash
# `./run [win64|win32]`: builds a Windows program and starts it under Wine: the 64-bit
# build under the machine's Wine, the shipped 32-bit one under Wine 10 in its Debian 13
# root. Without a display it runs on a virtual one under a window manager, saves a
# screenshot (build/screenshot.png or build/screenshot-win32.png), closes the window with
# WM_CLOSE, as its close box would, and reports the program's exit code.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=$1
screenshot=build/screenshot.png
[ "$preset" = win64 ] || screenshot=build/screenshot-$preset.png

scripts/setup-machine.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target Morvane window_remote -j"$(nproc)"

runner=build/$preset/wine-run.sh
program=build/$preset/app/win32/Morvane.exe
remote=build/$preset/tools/window_remote.exe
# The window manager draws the frames, as on a desktop.
"$runner" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d Y /f >/dev/null 2>&1
if [ -n "${DISPLAY:-}" ]; then
  exec "$runner" "$program"
fi

source scripts/virtual-display.sh
start_virtual_display
# Wine's helper processes end before the display they draw on.
trap '"$runner" --end; stop_virtual_display' EXIT
start_window_manager

"$runner" "$program" &
pid=$!
if ! "$runner" "$remote" wait; then
  echo "run: the Morvane window did not appear" >&2
  exit 1
fi
sleep 1
window=$(xdotool search --name '^Morvane$' | head -n 1)
import -frame -window "$window" "$screenshot"
echo "run: screenshot saved to $screenshot"
"$runner" "$remote" close
status=0
wait "$pid" || status=$?
echo "run: Morvane exited with code $status"
exit "$status"
