#!/usr/bin/env bash
# heap-check.sh: the Windows runtime and window tests of the win64 build once more, with
# Wine's checks of the process heap on (a block's tail and freed blocks are checked, and a
# block freed twice or not the heap's is refused): WINEDEBUG=err+heap,warn+heap. Wine only
# reports what it finds and lets the program go on, so any heap report fails the run, as
# does a failed test. The tests validate the whole heap after each test themselves.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/lib.sh
source scripts/lib.sh
build=build/win64
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for program in tests/runtime/runtime_tests tests/core/core_tests tests/win32/app_tests; do
  if ! WINEDEBUG=-all,err+heap,warn+heap "$build/wine-run.sh" "$build/$program.exe" \
      --gtest_brief=1 >"$log" 2>&1; then
    cat "$log"
    fail "$program" "a test failed with the heap checks on"
  fi
  if grep -E '^[0-9a-f]+:(err|warn):heap:' "$log" >/dev/null; then
    grep -E ':(err|warn):heap:' "$log" | head -20
    fail "$program" "Wine reported a fault of the heap"
  fi
  echo "$morvane_script: $program: $(grep -o '[0-9]* tests\? from' "$log" | head -n 1 | cut -d' ' -f1) tests passed, no heap fault"
done
