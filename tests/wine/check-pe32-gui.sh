#!/bin/bash
# Checks that the delivered program is what 32-bit Windows loads as a screen saver:
# a PE32 file for i386, GUI subsystem 2, subsystem version 5.01, and one file that
# needs no DLL of the compiler's runtime.
set -euo pipefail
file=${1:?usage: check-pe32-gui.sh FILE.scr}
headers=$(i686-w64-mingw32-objdump -p "$file")

failures=0
expect() {
    if ! grep -qE "$2" <<<"$headers"; then
        echo "FAIL: $1" >&2
        failures=$((failures + 1))
    fi
}
expect "file format pei-i386" 'file format pei-i386$'
expect "optional header magic 010b (PE32)" '^Magic[[:space:]]+010b'
expect "subsystem 2 (Windows GUI)" '^Subsystem[[:space:]]+0+2[[:space:]]'
expect "major subsystem version 5" '^MajorSubsystemVersion[[:space:]]+5$'
expect "minor subsystem version 1" '^MinorSubsystemVersion[[:space:]]+1$'

runtime=$(grep -E 'DLL Name:' <<<"$headers" | grep -iE 'lib(stdc\+\+|gcc|winpthread)' || true)
if [ -n "$runtime" ]; then
    echo "FAIL: imports a compiler runtime DLL:" >&2
    echo "$runtime" >&2
    failures=$((failures + 1))
fi

if [ "$failures" -ne 0 ]; then
    echo "$file: $failures check(s) failed" >&2
    exit 1
fi
echo "$file: PE32 i386, GUI subsystem 5.01, no runtime DLLs"
