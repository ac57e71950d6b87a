#!/usr/bin/env bash
# In the bare root, as root: apt installs the package /tmp/$DEB with the dependencies that
# it names; the package must be installed, its files listed in /tmp/package-files, and
# `morvane --version` must name the package's version.
set -euo pipefail
apt-get update -qq
apt-get install -y -qq "./$DEB" >/tmp/apt-install.log
dpkg-query -W -f='${Status}\n' morvane | grep -qx 'install ok installed'
dpkg -L morvane >/tmp/package-files
dpkg-query -W -f='${Depends}\n' morvane | sed 's/^/install-proof: Depends: /'
[ "$(morvane --version)" = "morvane $(dpkg-query -W -f='${Version}' morvane)" ]
