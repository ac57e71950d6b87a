#!/usr/bin/env bash
# check_pe.sh OBJDUMP EXE MACHINE [MAX_BYTES]: checks that EXE is a PE image for MACHINE
# (x86-64 or i386), runs in the GUI subsystem, imports only from the DLLs that every
# Windows has, and, when MAX_BYTES is given, is no larger than that.
set -euo pipefail
objdump=$1 exe=$2 machine=$3 max=${4:-}
system_dlls='^(KERNEL32|USER32|GDI32|msvcrt)\.dll$'
failed=0

headers=$("$objdump" -p "$exe")
format=$(grep -m1 -o 'file format [^ ]*' <<<"$headers" | awk '{print $3}')
expected_format=pei-$machine
echo "format: expected $expected_format, actual $format"
[ "$format" = "$expected_format" ] || failed=1

subsystem=$(awk '/^Subsystem/ {print $2}' <<<"$headers")
echo "subsystem: expected 00000002 (Windows GUI), actual $subsystem"
[ "$subsystem" = "00000002" ] || failed=1

while read -r dll; do
  if grep -qiE "$system_dlls" <<<"$dll"; then
    echo "import: $dll"
  else
    echo "import: $dll is not a system DLL"
    failed=1
  fi
done < <(awk '/DLL Name:/ {print $3}' <<<"$headers")

if [ -n "$max" ]; then
  size=$(stat -c %s "$exe")
  echo "size: $size bytes (at most $max)"
  [ "$size" -le "$max" ] || failed=1
fi
exit "$failed"
