#!/usr/bin/env bash
# compare-front-ends.sh: the GTK program and the web page must give the same outcome for
# the same click, byte for byte: every character of the Basic Multilingual Plane, and every
# input of the Insert-tag command's fuzz corpora (the seeds, and what the fuzz runs have
# added under build/fuzz/). Needs the native and the web builds.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/lib.sh
source scripts/lib.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
corpora=(fuzz/corpus/unicode_clicks)
[ -d build/fuzz/corpus/unicode_clicks ] && corpora+=(build/fuzz/corpus/unicode_clicks)
build/native/tests/front_ends/click_outcomes "$work/cases" "${corpora[@]}" >"$work/gtk"
node tests/front_ends/click_outcomes.js "$PWD/build/web/site/morvane.js" "$PWD/app/web/bridge.js" \
  "$work/cases" >"$work/web"
if ! cmp -s "$work/gtk" "$work/web"; then
  diff <(paste -d' ' "$work/cases" "$work/gtk") <(paste -d' ' "$work/cases" "$work/web") | head -20
  fail "compare" "the GTK program and the web page differ"
fi
echo "$morvane_script: $(wc -l <"$work/gtk") clicks, the same text after each in the GTK" \
  "program and the web page"
