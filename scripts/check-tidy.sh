#!/usr/bin/env bash
# check-tidy.sh: clang-tidy, as .clang-tidy sets it up, over every source of the project in
# the native build, the GTK program and the tests included, and over every source of the
# win64 build that the native build does not compile (the Windows program, its platform
# layer and tests), parsed with the MinGW headers. Any finding fails. Needs both builds
# configured (their compile_commands.json).
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/lib.sh
source scripts/lib.sh

# sources BUILD: the project's own sources in BUILD's compilation database, one a line.
sources() {
  /usr/bin/python3 - "$1/compile_commands.json" "$PWD" <<'PY'
import json, os, sys
top = sys.argv[2] + "/"
for entry in json.load(open(sys.argv[1])):
    path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    if path.startswith(top) and not path.startswith(top + "build/"):
        print(os.path.relpath(path, top))
PY
}

tidy() {  # tidy BUILD CLANG-TIDY-OPTION... < SOURCES
  xargs -r -P "$(nproc)" -n 4 clang-tidy --quiet -p "$1" "${@:2}" 2>/dev/null
}

native=$(sources build/native | sort -u)
windows=$(comm -23 <(sources build/win64 | sort -u) <(echo "$native"))
# The MinGW compiler's own C++ library headers: clang does not find them under Debian's
# "12-posix" folder, and must not take the host's.
mingw=x86_64-w64-mingw32
cxx=$(dirname "$($mingw-g++-posix -print-libgcc-file-name)")/include/c++
mingw_options=("--extra-arg=--sysroot=/usr/$mingw" "--extra-arg=-isystem$cxx"
               "--extra-arg=-isystem$cxx/$mingw" "--extra-arg=-isystem$cxx/backward")

check "clang-tidy over $(wc -l <<<"$native") native sources" tidy build/native <<<"$native"
# The makers that the builds run on the build machine, compiled outside CMake's targets.
makers=(app/web/make_page.cpp)
check "clang-tidy over the ${#makers[@]} makers of generated files" \
  clang-tidy --quiet "${makers[@]}" -- -std=c++17 -I. 2>/dev/null
check "clang-tidy over $(wc -l <<<"$windows") Windows sources, with the MinGW headers" \
  tidy build/win64 "${mingw_options[@]}" <<<"$windows"
exit "$check_failed"
