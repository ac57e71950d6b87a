#!/usr/bin/env bash
# debian12-root.sh ROOT: makes sure that ROOT holds a bare Debian 12 root, as a user's
# machine without any -dev package has it, in which scripts/install-proof.sh installs the
# Linux package: apt, a virtual display (xvfb), a window manager (openbox) and the tools
# that find, read and close a window (xdotool, xprop, wmctrl), nothing of the build host. Builds the
# root when it is missing, was made from another package list, or no longer holds the
# packages it was made with (a proof that stopped half-way). Needs root (or sudo). Stops
# with a message naming the step and a non-zero exit when a step fails.
set -uo pipefail
root=${1:?usage: debian12-root.sh ROOT}
root=$(realpath -m "$root")

packages=(xvfb xauth xdotool openbox wmctrl x11-utils)
stamp="$root/.morvane-packages"
# What dpkg holds once the root is made; a proof must leave the root with exactly this.
installed="$root/.morvane-installed"

# shellcheck source=scripts/lib.sh
source "$(dirname "$0")/lib.sh"

build_root() {
  local log="$root.log" staging="$root.staging"
  echo "debian12-root: building the bare Debian 12 root in $root (about a minute, 430 MB)"
  as_root rm -rf "$staging" "$root"
  if ! as_root mmdebstrap --variant=apt --include="$(IFS=,; echo "${packages[*]}")" \
      bookworm "$staging" >"$log" 2>&1; then
    tail -n 20 "$log" >&2
    fail mmdebstrap "no Debian archive reachable, or a package missing (log: $log)"
  fi
  [ -x "$staging/usr/bin/Xvfb" ] || fail check "the root has no Xvfb"
  printf '%s\n' "${packages[@]}" | as_root tee "$staging/.morvane-packages" >/dev/null
  dpkg_list "$staging" | as_root tee "$staging/.morvane-installed" >/dev/null
  as_root mv "$staging" "$root" || fail move "cannot move the root into place"
}

# dpkg_list ROOT: the packages installed in ROOT, one "name version" a line.
dpkg_list() {
  as_root dpkg-query --admindir="$1/var/lib/dpkg" -W -f='${db:Status-Abbrev} ${binary:Package} ${Version}\n' |
    awk '$1 == "ii" {print $2, $3}'
}

exec 7>"$root.lock"
flock 7
if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$(printf '%s\n' "${packages[@]}")" ] ||
   [ "$(dpkg_list "$root")" != "$(cat "$installed")" ]; then
  build_root
fi
