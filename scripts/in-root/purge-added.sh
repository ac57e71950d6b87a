#!/usr/bin/env bash
# In the bare root, as root: purges every package that is installed now but was not when
# the root was made (/.morvane-installed), so that the root is as it was made. Leaves
# their names in /tmp/added.
set -euo pipefail
dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 == "ii" {print $2}' |
  sort >/tmp/now
cut -d' ' -f1 /.morvane-installed | sort | comm -23 /tmp/now - >/tmp/added
if [ -s /tmp/added ]; then
  mapfile -t added </tmp/added
  apt-get purge -y -qq "${added[@]}" >/dev/null
fi
