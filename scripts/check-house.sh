#!/usr/bin/env bash
# check-house.sh: the checks of the project's own files that need no build: shellcheck at
# warning level over every shell script (the tracked files named *.sh, *.sh.in or *.env, or
# beginning with a shell's #! line), and every pointer of the code to docs/deliberate.md
# naming one of its headings.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/lib.sh
source scripts/lib.sh

scripts=()
while IFS= read -r file; do
  case "$file" in
    *.sh | *.sh.in | *.env) scripts+=("$file") ;;
    *) if head -n 1 "$file" | grep -qE '^#!.*\b(ba)?sh\b'; then scripts+=("$file"); fi ;;
  esac
done < <(git ls-files)
check "shellcheck -S warning over ${#scripts[@]} scripts" shellcheck -S warning -x "${scripts[@]}"

# A pointer may run over a line break of its comment: each file is read as one line.
pointers_resolve() {
  local headings missing=0 pointer
  headings=$(sed -n 's/^## //p' docs/deliberate.md)
  while IFS= read -r pointer; do
    if ! grep -qxF "$pointer" <<<"$headings"; then
      echo "$morvane_script: no heading \"$pointer\" in docs/deliberate.md"
      missing=1
    fi
  done < <(git ls-files '*.cpp' '*.h' | while IFS= read -r file; do
    tr '\n' ' ' <"$file" | sed 's|[[:space:]]*//[[:space:]]*| |g' |
      { grep -o 'docs/deliberate\.md, "[^"]*"' || true; } | sed 's/^[^"]*"//; s/"$//'
  done | sort -u)
  return "$missing"
}
check "every pointer to docs/deliberate.md names a heading" pointers_resolve
exit "$check_failed"
