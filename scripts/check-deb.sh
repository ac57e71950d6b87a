#!/usr/bin/env bash
# check-deb.sh [BUILD]: checks the Debian package that `cmake --build --preset native
# --target deb` made in BUILD (build/native): its name carries the project's version; it
# holds the program, the desktop entry, the icon in every size, the metainfo and the man
# page; lintian finds no error (its warnings are printed); the desktop entry passes
# desktop-file-validate and the metainfo `appstreamcli validate --no-net`, as packaged.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/lib.sh
source scripts/lib.sh
build=${1:-build/native}
load_project "$build"
deb=$build/morvane_${MORVANE_VERSION}_$(dpkg --print-architecture).deb
id=$MORVANE_APP_ID

[ -f "$deb" ] || fail "find the package" "$deb is missing"
echo "$morvane_script: $deb, $(stat -c %s "$deb") bytes"
dpkg-deb -f "$deb" Depends Recommends | sed "s/^/$morvane_script: /"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
expected=("usr/bin/morvane" "usr/share/applications/$id.desktop"
          "usr/share/metainfo/$id.metainfo.xml" "usr/share/icons/hicolor/scalable/apps/$id.svg"
          "usr/share/man/man1/morvane.1.gz" "usr/share/doc/morvane/copyright"
          "usr/share/doc/morvane/changelog.gz")
for size in 16 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x$size/apps/$id.png")
done
files=$(cd "$unpacked" && find . -type f | sed 's|^\./||' | sort)
check "holds exactly the program and its data" \
  test "$files" = "$(printf '%s\n' "${expected[@]}" | sort)"
[ "$check_failed" = 0 ] || diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$files") || true
for size in 16 24 32 48 64 128 256; do
  png=$unpacked/usr/share/icons/hicolor/${size}x$size/apps/$id.png
  check "the ${size} px icon is ${size}x$size" \
    grep -q "PNG image data, $size x $size," <(file -b "$png" 2>/dev/null || echo none)
done
check "the metainfo's release is $MORVANE_VERSION" \
  grep -q "<release version=\"$MORVANE_VERSION\"" "$unpacked/usr/share/metainfo/$id.metainfo.xml"
man_names_exit_codes() { zcat "$unpacked/usr/share/man/man1/morvane.1.gz" | grep -q '^\.B 70'; }
check "the man page names the exit codes" man_names_exit_codes

# lintian prints one tag a line, "E: ..." for errors, "W: ..." for warnings.
lintian_out=$(lintian --tag-display-limit 0 --display-info "$deb" 2>&1 |
  grep -v 'running with root privileges') || true
[ -z "$lintian_out" ] || sed "s/^/$morvane_script: lintian: /" <<<"$lintian_out"
no_error() { ! grep -q '^E: ' <<<"$lintian_out"; }
check "lintian reports no error" no_error
check "desktop-file-validate" desktop-file-validate "$unpacked/usr/share/applications/$id.desktop"
validate_metainfo() {
  local out status=0
  out=$(appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$id.metainfo.xml" 2>&1) || status=$?
  grep . <<<"$out" | sed "s/^/$morvane_script: appstreamcli: /"
  return "$status"
}
check "appstreamcli validate --no-net" validate_metainfo
exit "$check_failed"
