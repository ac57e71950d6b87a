#!/usr/bin/env bash
# Checks the release that `cmake --build --preset win32 --target package` made: the zip is
# named after the project's version and holds exactly the stripped Morvane.exe that the
# tests ran (with its icon and version resource), README.txt and LICENSE.txt with Windows line ends.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/lib.sh
source scripts/lib.sh
build=build/win32
load_project "$build"
version=$MORVANE_VERSION
name=Morvane-$version-win32
zip=$build/$name.zip

[ -f "$zip" ] || fail "find the package" "$zip is missing"
contents=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
expected="$name/LICENSE.txt $name/Morvane.exe $name/README.txt "
check "holds exactly [$expected], has [$contents]" test "$contents" = "$expected"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$OLDPWD/$zip")
exe=$unpacked/$name/Morvane.exe
check "Morvane.exe is the program the tests ran" cmp -s "$exe" "$build/app/win32/Morvane.exe"
stripped() { i686-w64-mingw32-objdump -t "$exe" | grep -q 'no symbols'; }
check "Morvane.exe is stripped" stripped
resource=$(strings -el "$exe" | tr '\n' ' ')
check "version resource names the product" grep -q "ProductName Morvane " <<<"$resource"
check "version resource carries version $version" \
  grep -q "FileVersion $version .*ProductVersion $version " <<<"$resource"
check "version resource describes the program" grep -q "FileDescription Morvane: wraps" <<<"$resource"
# Explorer shows a program's first icon group; it must be the icon the build drew.
first_icon_is_ours() {
  local first
  first=$(wrestool -l --type=14 "$exe" | head -n 1 | grep -o -- '--name=[^ ]*')
  wrestool -x --type=14 "$first" "$exe" >"$unpacked/first.ico" &&
    cmp -s <(icotool -l "$unpacked/first.ico") <(icotool -l "$build/app/win32/morvane.ico") &&
    mkdir "$unpacked/icons" && icotool -x -o "$unpacked/icons" "$unpacked/first.ico" &&
    cmp -s "$unpacked"/icons/first_*_256x256x32.png "$build/app/win32/icon-256.png"
}
check "the first icon resource is the icon drawn from the SVG, 16 to 256 px" first_icon_is_ours
windows_lines() { ! grep -qv $'\r$' "$1"; }
for text in README.txt LICENSE.txt; do
  check "$text has Windows line ends" windows_lines "$unpacked/$name/$text"
done
says_how() { grep -q 'Start Morvane.exe' "$1" && grep -q 'code page 932' "$1"; }
check "README.txt says how to start it and names code page 932" says_how "$unpacked/$name/README.txt"
check "LICENSE.txt is the MIT licence" grep -q '^MIT License' "$unpacked/$name/LICENSE.txt"
exit "$check_failed"
