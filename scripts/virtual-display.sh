# shellcheck shell=bash
# Sourced. start_virtual_display: when no display is set, starts a virtual one (Xvfb) and
# exports DISPLAY; stop_virtual_display stops the one that was started, if any, and the
# window manager started on it.
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
  if [ -n "${morvane_wm_pid:-}" ]; then
    kill "$morvane_wm_pid" 2>/dev/null
    wait "$morvane_wm_pid" 2>/dev/null
    morvane_wm_pid=""
  fi
  [ -n "$morvane_xvfb_pid" ] || return 0
  kill "$morvane_xvfb_pid" 2>/dev/null
  wait "$morvane_xvfb_pid" 2>/dev/null
  morvane_xvfb_pid=""
  unset DISPLAY
}

# start_window_manager: runs openbox on the display, so that windows get the frames a
# desktop gives them; stop_virtual_display ends it with the display.
morvane_wm_pid=""
start_window_manager() {
  openbox --sm-disable 9>&- >/dev/null 2>&1 &
  morvane_wm_pid=$!
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
}
