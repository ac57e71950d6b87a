#!/usr/bin/env bash
# Installs what Morvane's build, tests and run need on a Debian machine, and generates the
# Japanese locale that gives Wine code page 932. Does nothing that is already done.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  googletest libgtest-dev libbenchmark-dev
  locales
  wine wine64
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  xvfb xauth xdotool x11-utils openbox imagemagick fonts-ipafont-gothic fonts-wine
  clang libclang-rt-14-dev valgrind clang-tidy gcovr
  mmdebstrap bubblewrap
  libgtk-4-dev
  wmctrl dbus-daemon
  weston
  librsvg2-bin icoutils lintian desktop-file-utils appstream file
  shellcheck
  emscripten chromium chromium-driver python3-selenium
)

# shellcheck source=scripts/lib.sh
source "$(dirname "$0")/lib.sh"

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# wine32 makes the plain `wine` command pick the 32-bit loader, which these machines
# cannot run.
if dpkg-query -W -f='${Status}' wine32 2>/dev/null | grep -q 'install ok installed'; then
  echo "setup: wine32 is installed; remove it (apt-get remove wine32), 32-bit programs do not run here" >&2
  exit 1
fi

if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  if grep -q '^# *ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    as_root sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  elif ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  fi
  as_root locale-gen >/dev/null
fi
