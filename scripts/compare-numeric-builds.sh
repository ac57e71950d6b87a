#!/usr/bin/env bash
# Runs the numeric vector printer of the native build, of the win64 build (under Wine) and
# of the shipped 32-bit build (under Wine 10), and requires identical output: the same
# bits on every build.
set -euo pipefail
cd "$(dirname "$0")/.."
build/native/tests/numeric/numeric_vectors > build/native/numeric_vectors.txt
for windows in win64 win32; do
  build/$windows/wine-run.sh build/$windows/tests/numeric/numeric_vectors.exe \
    > build/$windows/numeric_vectors.txt
  if ! cmp build/native/numeric_vectors.txt build/$windows/numeric_vectors.txt; then
    diff build/native/numeric_vectors.txt build/$windows/numeric_vectors.txt | head -20
    exit 1
  fi
done
echo "numeric vectors: $(wc -l < build/native/numeric_vectors.txt) results, identical bits in native, win64 and win32"
