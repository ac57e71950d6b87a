#!/usr/bin/env bash
# install-proof.sh ROOT BUILD: proves the Linux package of BUILD (build/native) on a machine
# that has nothing but Debian 12 (the root that scripts/debian12-root.sh makes): apt
# installs it with the dependencies it names; the program starts from its desktop entry's
# Exec line on a virtual display under a window manager, without network; a window named
# "Morvane" must appear, close through the window manager and the program must exit with
# code 0, and `morvane --version` must name the package's version; then
# `apt-get remove --purge` must leave no file of the package behind. Finally apt purges
# every package that came with it, so that the root is as it was made. Runs each step
# (scripts/in-root/) in the root with bubblewrap, nothing mounted on the host. Exits
# non-zero naming the failed step.
set -uo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/lib.sh
source "$source_dir/scripts/lib.sh"
root=$(realpath "${1:?usage: install-proof.sh ROOT BUILD}")
build=$(realpath "${2:?usage: install-proof.sh ROOT BUILD}")
load_project "$build"
deb=$build/morvane_${MORVANE_VERSION}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "find the package" "$deb is missing"

# The sandbox's /tmp, mode 1777 as apt wants it, holds the package, the steps and their
# notes.
work=$root.tmp
rm -rf "$work" && mkdir -p "$work" && chmod 1777 "$work"
cp "$deb" "$source_dir"/scripts/in-root/*.sh "$work/"

# in_root [BWRAP OPTION...] -- STEP: runs scripts/in-root/STEP.sh with bash in the root,
# as root.
in_root() {
  local options=()
  while [ "$1" != -- ]; do options+=("$1"); shift; done
  bwrap --bind "$root" / --proc /proc --dev /dev --bind "$work" /tmp --chdir /tmp \
    --die-with-parent --clearenv --setenv PATH /usr/sbin:/usr/bin:/sbin:/bin \
    --setenv HOME /root --setenv LANG C.UTF-8 --setenv DEBIAN_FRONTEND noninteractive \
    --setenv MORVANE_APP_ID "$MORVANE_APP_ID" --setenv DEB "$(basename "$deb")" \
    "${options[@]}" bash "/tmp/$2.sh"
}

step_started=$SECONDS
step_time() { echo "install-proof: $1 ($((SECONDS - step_started)) s)"; step_started=$SECONDS; }

in_root -- install || { tail -n 20 "$work/apt-install.log" >&2; fail "apt-get install" "see above"; }
step_time "installed with apt, $(grep -c . "$work/package-files") paths"

# The program as a menu starts it, in a session with no network, no GL and no session bus
# (the project's headless settings).
headless=()
while IFS= read -r setting; do
  headless+=(--setenv "${setting%%=*}" "${setting#*=}")
done < <(grep -E '^[A-Z_][A-Z0-9_]*=' "$source_dir/scripts/headless-gtk.env")
in_root --unshare-net --unshare-ipc --unshare-pid "${headless[@]}" -- start-from-menu ||
  fail "start from the desktop entry, close, exit code 0" "see above"
step_time "started from the menu entry and closed"

in_root -- remove || fail "apt-get remove --purge leaves nothing behind" "see above"
step_time "removed with apt-get remove --purge, nothing left behind"

# Everything that came with the package goes: the root is left with what it was made with.
in_root -- purge-added || fail "purge the packages that came with it" "see above"
step_time "the $(wc -l <"$work/added") packages that came with it purged again"
