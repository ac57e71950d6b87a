#!/usr/bin/env bash
# Checks the release of the web page that `cmake --build --preset web --target package`
# made: the zip is named after the project's version and holds exactly the files of the
# page that the browser tests ran (build/web/site/), each the same, and the licence.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/lib.sh
source scripts/lib.sh
build=build/web
load_project "$build"
name=Morvane-$MORVANE_VERSION-web
zip=$build/$name.zip

[ -f "$zip" ] || fail "find the package" "$zip is missing"
echo "$morvane_script: $zip, $(stat -c %s "$zip") bytes"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$OLDPWD/$zip")
site_files=$(cd "$build/site" && ls)
expected=$(printf '%s\n' $site_files LICENSE | sort | sed "s|^|$name/|" | tr '\n' ' ')
contents=$(cd "$unpacked" && find . -type f | sed 's|^\./||' | sort | tr '\n' ' ')
check "holds exactly [$expected]" test "$contents" = "$expected"
same_as_tested() {
  local file
  for file in $site_files; do cmp -s "$unpacked/$name/$file" "$build/site/$file" || return 1; done
}
check "every file of the page is the one the browser tests ran" same_as_tested
check "the module is inside its script, with no file of its own" \
  test ! -e "$unpacked/$name/morvane.wasm"
check "LICENSE is the MIT licence" grep -q '^MIT License' "$unpacked/$name/LICENSE"
check "the page names its version's cache" \
  grep -q "morvane-$MORVANE_VERSION" "$unpacked/$name/service-worker.js"
exit "$check_failed"
