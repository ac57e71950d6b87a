#!/usr/bin/env bash
# In the bare root, as root: `apt-get remove --purge` must leave no file of the package
# (listed in /tmp/package-files) and none of its own folders behind.
set -euo pipefail
apt-get remove --purge -y -qq morvane >/tmp/apt-remove.log
left=0
while IFS= read -r path; do
  [ -d "$path" ] && continue
  if [ -e "$path" ] || [ -L "$path" ]; then
    echo "install-proof: left behind: $path"
    left=1
  fi
done </tmp/package-files
while IFS= read -r dir; do
  [ ! -d "$dir" ] || { echo "install-proof: left behind: $dir/"; left=1; }
done < <(grep -E "/(morvane|$MORVANE_APP_ID)" /tmp/package-files)
! dpkg-query -W -f='${Status}\n' morvane 2>/dev/null | grep -q installed || left=1
[ "$left" = 0 ]
