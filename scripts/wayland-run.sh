#!/usr/bin/env bash
# wayland-run.sh COMMAND [ARGS...]: runs the command as a client of a headless Weston of
# its own (no rendering, no input devices), with GDK_BACKEND=wayland and no X display;
# stops Weston afterwards and exits with the command's exit code. Weston's runtime folder
# (socket and log) is a private one under TMPDIR, removed at the end.
set -euo pipefail

runtime=$(mktemp -d "${TMPDIR:-/tmp}/morvane-wayland.XXXXXX")
socket=wayland-morvane
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" \
  --no-config --idle-time=0 --width=1280 --height=1024 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
end_weston() {
  kill "$weston_pid" 2>/dev/null || true
  wait "$weston_pid" 2>/dev/null || true
  rm -rf "$runtime"
}
trap end_weston EXIT

for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  kill -0 "$weston_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
  echo "wayland-run: weston did not start:" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi

status=0
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" GDK_BACKEND=wayland "$@" ||
  status=$?
exit "$status"
