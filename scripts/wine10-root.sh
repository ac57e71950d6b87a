#!/usr/bin/env bash
# wine10-root.sh ROOT: makes sure that ROOT holds the Debian 13 root in which the 32-bit
# Windows programs run (Wine 10 with its 32-bit loader, and qemu-user to run that loader on
# a kernel without IA-32 support), and that the kernel hands 32-bit x86 programs to that
# qemu. Builds the root when it is missing or was made from another package list. Needs
# root (or sudo) for mmdebstrap and for the binfmt_misc registration. Stops with a message
# naming the step and a non-zero exit when a step fails.
set -uo pipefail
root=${1:?usage: wine10-root.sh ROOT}
root=$(realpath -m "$root")

packages=(wine wine64 wine32:i386 qemu-user locales fonts-ipafont-gothic)
stamp="$root/.morvane-packages"
binfmt_name=morvane-i386
binfmt_dir=/proc/sys/fs/binfmt_misc

# shellcheck source=scripts/lib.sh
source "$(dirname "$0")/lib.sh"

build_root() {
  local log="$root.log" staging="$root.staging"
  echo "wine10-root: building the Debian 13 root in $root (about 2 minutes, 2 GB)"
  rm -rf "$staging" "$root"
  if ! as_root mmdebstrap --variant=apt --architectures=amd64,i386 \
      --include="$(IFS=,; echo "${packages[*]}")" \
      --customize-hook='echo "ja_JP.UTF-8 UTF-8" > "$1/etc/locale.gen"' \
      --customize-hook='chroot "$1" locale-gen' \
      trixie "$staging" >"$log" 2>&1; then
    tail -n 20 "$log" >&2
    fail mmdebstrap "no Debian archive reachable, or a package missing (log: $log)"
  fi
  [ -x "$staging/usr/lib/wine/wine" ] || fail check "the root has no 32-bit Wine loader"
  [ -x "$staging/usr/bin/qemu-i386" ] || fail check "the root has no qemu-i386"
  printf '%s\n' "${packages[@]}" | as_root tee "$staging/.morvane-packages" >/dev/null
  as_root mv "$staging" "$root" || fail move "cannot move the root into place"
}

# The kernel runs no 32-bit ELF program itself; binfmt_misc gives them to the root's qemu.
# The F flag opens the interpreter now, so it also serves inside the sandbox.
register_binfmt() {
  local qemu="$root/usr/bin/qemu-i386"
  if [ ! -e "$binfmt_dir/register" ]; then
    as_root mount -t binfmt_misc binfmt_misc "$binfmt_dir" || fail binfmt "cannot mount binfmt_misc"
  fi
  if [ -e "$binfmt_dir/$binfmt_name" ]; then
    grep -qx "interpreter $qemu" "$binfmt_dir/$binfmt_name" && return 0
    echo -1 | as_root tee "$binfmt_dir/$binfmt_name" >/dev/null
  fi
  local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":$binfmt_name:M::$magic:$mask:$qemu:F" | as_root tee "$binfmt_dir/register" >/dev/null ||
    fail binfmt "cannot register $qemu for 32-bit x86 programs"
}

exec 7>"$root.lock"
flock 7
if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$(printf '%s\n' "${packages[@]}")" ]; then
  build_root
fi
register_binfmt
