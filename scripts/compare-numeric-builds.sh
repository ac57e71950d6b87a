#!/usr/bin/env bash
# Runs the numeric vector printer of the native and of the win64 build (under Wine) and
# requires identical output: the same bits on every build.
set -euo pipefail
cd "$(dirname "$0")/.."
native=build/native/tests/numeric/numeric_vectors
windows=build/win64/tests/numeric/numeric_vectors.exe
"$native" > build/native/numeric_vectors.txt
build/win64/wine-run.sh "$windows" > build/win64/numeric_vectors.txt
if cmp build/native/numeric_vectors.txt build/win64/numeric_vectors.txt; then
  echo "numeric vectors: $(wc -l < build/native/numeric_vectors.txt) results, identical bits in native and win64"
else
  diff build/native/numeric_vectors.txt build/win64/numeric_vectors.txt | head -20
  exit 1
fi
