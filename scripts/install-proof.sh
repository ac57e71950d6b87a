#!/usr/bin/env bash
# install-proof.sh ROOT DEB: proves the Linux package on a machine that has nothing but
# Debian 12 (the root that scripts/debian12-root.sh makes): apt installs DEB with the
# dependencies it names; the program starts from its desktop entry's Exec line on a
# virtual display under a window manager, without network; a window named "Morvane" must
# appear, close through the window manager and the program must exit with code 0, and
# `morvane --version` must name the package's version; then
# `apt-get remove --purge` must leave no file of the package behind. Finally apt purges
# every package that came with it, so that the root is as it was made. Runs everything in the
# root with bubblewrap, nothing mounted on the host. Exits non-zero naming the failed step.
set -uo pipefail
root=$(realpath "${1:?usage: install-proof.sh ROOT DEB}")
deb=$(realpath "${2:?usage: install-proof.sh ROOT DEB}")
source_dir=$(cd "$(dirname "$0")/.." && pwd)
id=org.morvane.Morvane

# The sandbox's /tmp, mode 1777 as apt wants it, holds the package and the step's notes.
work=$root.tmp
rm -rf "$work" && mkdir -p "$work" && chmod 1777 "$work"
cp "$deb" "$work/$(basename "$deb")"

# in_root [BWRAP OPTION...] -- SCRIPT: runs SCRIPT with bash in the root, as root.
in_root() {
  local options=()
  while [ "$1" != -- ]; do options+=("$1"); shift; done
  bwrap --bind "$root" / --proc /proc --dev /dev --bind "$work" /tmp --chdir /tmp \
    --die-with-parent --clearenv --setenv PATH /usr/sbin:/usr/bin:/sbin:/bin \
    --setenv HOME /root --setenv LANG C.UTF-8 --setenv DEBIAN_FRONTEND noninteractive \
    "${options[@]}" bash -euo pipefail -c "$2"
}

fail() {
  echo "install-proof: step '$1' failed" >&2
  exit 1
}

step_started=$SECONDS
step_time() { echo "install-proof: $1 ($((SECONDS - step_started)) s)"; step_started=$SECONDS; }

in_root -- "
  apt-get update -qq
  apt-get install -y -qq ./$(basename "$deb") >/tmp/apt-install.log
  dpkg-query -W -f='\${Status}\n' morvane | grep -qx 'install ok installed'
  dpkg -L morvane >/tmp/package-files
  dpkg-query -W -f='\${Depends}\n' morvane | sed 's/^/install-proof: Depends: /'
  [ \"\$(morvane --version)\" = \"morvane \$(dpkg-query -W -f='\${Version}' morvane)\" ]
" || { tail -n 20 "$work/apt-install.log" >&2; fail "apt-get install"; }
step_time "installed with apt, $(grep -c . "$work/package-files") paths"

# The program as a menu starts it: the Exec line, field codes dropped, in a session with
# no network, no GL and no session bus (the project's headless settings).
headless=()
while IFS= read -r setting; do
  headless+=(--setenv "${setting%%=*}" "${setting#*=}")
done < <(grep -E '^[A-Z_][A-Z0-9_]*=' "$source_dir/scripts/headless-gtk.env")
in_root --unshare-net --unshare-ipc --unshare-pid "${headless[@]}" -- "
  exec_line=\$(sed -n 's/^Exec=//p' /usr/share/applications/$id.desktop | sed 's/ %[a-zA-Z]//g')
  echo \"install-proof: Exec=\$exec_line\"
  Xvfb :1 -screen 0 1024x768x24 -nolisten tcp >/tmp/xvfb.log 2>&1 &
  for _ in \$(seq 50); do [ -e /tmp/.X11-unix/X1 ] && break; sleep 0.1; done
  export DISPLAY=:1
  openbox --sm-disable >/dev/null 2>&1 &
  for _ in \$(seq 50); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
  \$exec_line >/tmp/program.log 2>&1 &
  program=\$!
  window=
  for _ in \$(seq 200); do
    window=\$(xdotool search --onlyvisible --name '^Morvane\$' 2>/dev/null | head -n 1) && [ -n \"\$window\" ] && break
    sleep 0.1
  done
  [ -n \"\$window\" ] || { echo 'install-proof: no window named Morvane appeared'; cat /tmp/program.log; exit 1; }
  echo \"install-proof: window \$window named \$(xdotool getwindowname \$window)\"
  # A dock groups the window with its menu entry by the class, and shows the icon that the
  # program found in the installed theme.
  class=\$(xprop -id \$window WM_CLASS)
  echo \"install-proof: \$class\"
  echo \"\$class\" | grep -q '\"$id\"\$' ||
    { echo 'install-proof: the window class is not the desktop id'; exit 1; }
  xprop -id \$window _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | head -n 1 |
    sed 's/^/install-proof: the window shows its icon, /' | grep . ||
    { echo 'install-proof: the window shows no icon'; exit 1; }
  wmctrl -i -c \"\$window\"
  status=0
  wait \$program || status=\$?
  echo \"install-proof: morvane exited with code \$status\"
  cat /tmp/program.log
  [ \"\$status\" = 0 ]
" || fail "start from the desktop entry, close, exit code 0"
step_time "started from the menu entry and closed"

in_root -- "
  apt-get remove --purge -y -qq morvane >/tmp/apt-remove.log
  left=0
  while IFS= read -r path; do
    [ -d \"\$path\" ] && continue
    if [ -e \"\$path\" ] || [ -L \"\$path\" ]; then echo \"install-proof: left behind: \$path\"; left=1; fi
  done </tmp/package-files
  for dir in \$(grep -E '/(morvane|$id)' /tmp/package-files); do
    [ ! -d \"\$dir\" ] || { echo \"install-proof: left behind: \$dir/\"; left=1; }
  done
  ! dpkg-query -W -f='\${Status}\n' morvane 2>/dev/null | grep -q installed || left=1
  [ \"\$left\" = 0 ]
" || fail "apt-get remove --purge leaves nothing behind"
step_time "removed with apt-get remove --purge, nothing left behind"

# Everything that came with the package goes: the root is left with what it was made with.
in_root -- "
  dpkg-query -W -f='\${db:Status-Abbrev} \${binary:Package}\n' | awk '\$1 == \"ii\" {print \$2}' |
    sort >/tmp/now
  cut -d' ' -f1 /.morvane-installed | sort | comm -23 /tmp/now - >/tmp/added
  [ ! -s /tmp/added ] || apt-get purge -y -qq \$(cat /tmp/added) >/dev/null
" || fail "purge the packages that came with it"
step_time "the $(wc -l <"$work/added") packages that came with it purged again"
