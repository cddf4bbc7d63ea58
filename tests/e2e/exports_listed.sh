#!/usr/bin/env bash
# The DLL's export table holds exactly the twenty names of the host interface:
# each export under its plain and its decorated name.
#   exports_listed.sh KVARO.dll host_interface.h
set -euo pipefail
dll=$1 header=$2
objdump=$(command -v i686-w64-mingw32-objdump || true)
[ -n "$objdump" ] || { echo "SKIPPED: i686-w64-mingw32-objdump is missing" >&2; exit 77; }
expected=$(grep -o '{"[A-Za-z0-9]*", "?[^"]*"}' "$header" | sed 's/{"\(.*\)", "\(.*\)"}/\1\n\2/' | sort)
actual=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\s*\[ *[0-9]*\] //p' | sort)
if [ "$expected" != "$actual" ]; then
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi
echo "$(echo "$actual" | wc -l) export names, as expected"
