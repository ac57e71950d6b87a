# Sourced. start_virtual_display: when no display is set, starts a virtual one (Xvfb) and
# exports DISPLAY; stop_virtual_display stops the one that was started, if any.
morvane_xvfb_pid=""

start_virtual_display() {
  [ -z "${DISPLAY:-}" ] || return 0
  local n display=""
  for n in $(seq 90 189); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { display=":$n"; break; }
  done
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp 9>&- >/dev/null 2>&1 &
  morvane_xvfb_pid=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
  export DISPLAY="$display"
}

stop_virtual_display() {
  [ -n "$morvane_xvfb_pid" ] || return 0
  kill "$morvane_xvfb_pid" 2>/dev/null
  wait "$morvane_xvfb_pid" 2>/dev/null
  morvane_xvfb_pid=""
  unset DISPLAY
}
