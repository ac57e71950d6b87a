#!/usr/bin/env bash
# check-deb.sh [BUILD]: checks the Debian package that `cmake --build --preset native
# --target deb` made in BUILD (build/native): its name carries the project's version; it
# holds the program, the desktop entry, the icon in every size, the metainfo and the man
# page; lintian finds no error (its warnings are printed); the desktop entry passes
# desktop-file-validate and the metainfo `appstreamcli validate --no-net`, as packaged.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/native}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$build/morvane_${version}_$(dpkg --print-architecture).deb
id=org.morvane.Morvane
failed=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "deb: $1: ok"; else echo "deb: $1: FAILED"; failed=1; fi
}

[ -f "$deb" ] || { echo "deb: $deb is missing"; exit 1; }
echo "deb: $deb, $(stat -c %s "$deb") bytes"
dpkg-deb -f "$deb" Depends Recommends | sed 's/^/deb: /'

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
expected=(usr/bin/morvane usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
          usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man1/morvane.1.gz
          usr/share/doc/morvane/copyright usr/share/doc/morvane/changelog.gz)
for size in 16 24 32 48 64 128 256; do
  expected+=(usr/share/icons/hicolor/${size}x$size/apps/$id.png)
done
files=$(cd "$unpacked" && find . -type f | sed 's|^\./||' | sort)
check "holds exactly the program and its data" \
  test "$files" = "$(printf '%s\n' "${expected[@]}" | sort)"
[ "$failed" = 0 ] || diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$files") || true
for size in 16 24 32 48 64 128 256; do
  png=$unpacked/usr/share/icons/hicolor/${size}x$size/apps/$id.png
  check "the ${size} px icon is ${size}x$size" \
    grep -q "PNG image data, $size x $size," <(file -b "$png" 2>/dev/null || echo none)
done
check "the metainfo's release is $version" \
  grep -q "<release version=\"$version\"" "$unpacked/usr/share/metainfo/$id.metainfo.xml"
check "the man page names the exit codes" \
  sh -c "zcat '$unpacked/usr/share/man/man1/morvane.1.gz' | grep -q '^\.B 70'"

# lintian prints one tag a line, "E: ..." for errors, "W: ..." for warnings.
lintian_out=$(lintian --tag-display-limit 0 --display-info "$deb" 2>&1 |
  grep -v 'running with root privileges') || true
[ -z "$lintian_out" ] || sed 's/^/deb: lintian: /' <<<"$lintian_out"
no_error() { ! grep -q '^E: ' <<<"$lintian_out"; }
check "lintian reports no error" no_error
check "desktop-file-validate" desktop-file-validate "$unpacked/usr/share/applications/$id.desktop"
validate_metainfo() {
  local out status=0
  out=$(appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$id.metainfo.xml" 2>&1) || status=$?
  grep . <<<"$out" | sed 's/^/deb: appstreamcli: /'
  return "$status"
}
check "appstreamcli validate --no-net" validate_metainfo
exit "$failed"
