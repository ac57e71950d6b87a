#!/usr/bin/env bash
# Runs the native test programs under valgrind's memcheck: no error and no leak may be
# reported, apart from the string registry that lives until the process ends
# (tests/valgrind.supp). Tests that run in a child process (*DeathTest) are left to the
# other builds.
set -euo pipefail
cd "$(dirname "$0")/.."
for program in build/native/tests/runtime/runtime_tests build/native/tests/core/core_tests \
    build/native/tests/numeric/numeric_tests build/native/tests/web/web_tests; do
  log=$program.valgrind.log
  if ! valgrind --tool=memcheck --error-exitcode=99 --leak-check=full --show-leak-kinds=all \
      --errors-for-leak-kinds=all --suppressions=tests/valgrind.supp --log-file="$log" \
      "$program" --gtest_filter='-*DeathTest*' --gtest_brief=1 >/dev/null; then
    cat "$log"
    echo "valgrind: $program failed"
    exit 1
  fi
  echo "valgrind: $program: $(grep -o 'ERROR SUMMARY: .*' "$log" | head -n 1);" \
    "$(grep -oE '(All heap blocks were freed.*|definitely lost: .*)' "$log" | head -n 1)"
done
