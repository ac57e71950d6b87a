#!/usr/bin/env bash
# In the bare root, as root, with no network: starts the program as a menu starts it,
# from the Exec line of the desktop entry $MORVANE_APP_ID.desktop (field codes dropped),
# on a virtual display under a window manager. A window named "Morvane" must appear, with
# the desktop id as its window class and the installed icon on it, and close through the
# window manager; the program must then exit with code 0.
set -euo pipefail
read -ra exec_line < <(sed -n 's/^Exec=//p' "/usr/share/applications/$MORVANE_APP_ID.desktop" |
  sed 's/ %[a-zA-Z]//g')
echo "install-proof: Exec=${exec_line[*]}"
Xvfb :1 -screen 0 1024x768x24 -nolisten tcp >/tmp/xvfb.log 2>&1 &
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X1 ] && break; sleep 0.1; done
export DISPLAY=:1
openbox --sm-disable >/dev/null 2>&1 &
for _ in $(seq 50); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
"${exec_line[@]}" >/tmp/program.log 2>&1 &
program=$!
window=
for _ in $(seq 200); do
  window=$(xdotool search --onlyvisible --name '^Morvane$' 2>/dev/null | head -n 1) &&
    [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo 'install-proof: no window named Morvane appeared'
  cat /tmp/program.log
  exit 1
fi
echo "install-proof: window $window named $(xdotool getwindowname "$window")"
# A dock groups the window with its menu entry by the class, and shows the icon that the
# program found in the installed theme.
class=$(xprop -id "$window" WM_CLASS)
echo "install-proof: $class"
if ! grep -q "\"$MORVANE_APP_ID\"\$" <<<"$class"; then
  echo 'install-proof: the window class is not the desktop id'
  exit 1
fi
xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | head -n 1 |
  sed 's/^/install-proof: the window shows its icon, /' | grep . ||
  { echo 'install-proof: the window shows no icon'; exit 1; }
wmctrl -i -c "$window"
status=0
wait "$program" || status=$?
echo "install-proof: morvane exited with code $status"
cat /tmp/program.log
[ "$status" = 0 ]
