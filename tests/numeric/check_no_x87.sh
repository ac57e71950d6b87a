#!/bin/sh
# check_no_x87.sh FILE...
# Disassembles object files or static libraries and fails if any x87
# instruction other than the loads and stores that move a double (fld, fst,
# fstp and their size forms, and fldz/fld1, which load an exact 0 or 1)
# appears. The 32-bit calling convention returns a double in st(0), so those
# moves are expected; x87 arithmetic would carry extended precision and change
# results.
# Uses $OBJDUMP if set, else i686-w64-mingw32-objdump if it reads the file,
# else objdump. Exits 0 when clean, 1 when x87 arithmetic is found, 2 when a
# file cannot be disassembled.
set -u

if [ "$#" -eq 0 ]; then
    echo "usage: $0 FILE..." >&2
    exit 2
fi

status=0
for file in "$@"; do
    tool=${OBJDUMP:-}
    if [ -z "$tool" ]; then
        if command -v i686-w64-mingw32-objdump >/dev/null 2>&1 &&
           i686-w64-mingw32-objdump -f "$file" >/dev/null 2>&1; then
            tool=i686-w64-mingw32-objdump
        else
            tool=objdump
        fi
    fi
    listing=$("$tool" -d --no-show-raw-insn "$file" 2>&1) || {
        echo "check_no_x87: $tool cannot disassemble $file:" >&2
        echo "$listing" >&2
        exit 2
    }

    # Instruction lines are "address:<TAB>mnemonic operands"; a mnemonic may
    # follow prefixes such as "lock" or "data16". Every x87 mnemonic starts
    # with "f" and no SSE one does.
    report=$(printf '%s\n' "$listing" | awk -F'\t' '
        /file format/ { object = $0; sub(/:.*/, "", object) }
        /^[0-9a-f]+ <.*>:$/ { symbol = $0; sub(/^[0-9a-f]+ /, "", symbol); sub(/:$/, "", symbol) }
        /^[[:space:]]*[0-9a-f]+:/ && NF >= 2 {
            n = split($NF, word, /[[:space:]]+/)
            mnemonic = ""
            for (i = 1; i <= n; i++) {
                if (word[i] == "" || word[i] ~ /^(lock|rep|repz|repnz|repe|repne|data16|data32|addr16|addr32|cs|ds|es|fs|gs|ss|notrack|bnd)$/)
                    continue
                mnemonic = word[i]
                break
            }
            if (mnemonic == "")
                next
            total++
            if (mnemonic !~ /^f/)
                next
            if (mnemonic ~ /^(fld|flds|fldl|fldt|fldz|fld1|fst|fsts|fstl|fstp|fstps|fstpl|fstpt)$/) {
                moves++
                next
            }
            bad++
            print "  " object " " symbol ": " $0
        }
        END { printf "%d instructions, %d x87 moves, %d x87 other\n", total, moves, bad }')

    summary=$(printf '%s\n' "$report" | tail -n 1)
    offending=$(printf '%s\n' "$report" | sed '$d')
    total=${summary%% instructions*}
    if [ "$total" -eq 0 ]; then
        echo "check_no_x87: $file: no instructions found" >&2
        exit 2
    fi
    if [ -n "$offending" ]; then
        echo "FAIL $file ($tool): $summary"
        printf '%s\n' "$offending"
        status=1
    else
        echo "ok   $file ($tool): $summary"
    fi
done
exit $status
