#!/usr/bin/env bash
# Runs a session script through the host emulator against KVARO.dll under
# Wine, in a fresh current directory that has a Plugins folder, and compares
# what it printed and the settings file it left with the expected files,
# byte for byte.
#   run_session.sh HOST DLL SCRIPT EXPECTED_OUTPUT [EXPECTED_INI]
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"
need_wine

host=$1 dll=$2 script=$3 expected=$4 expected_ini=${5:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/Plugins"
rc=0
(cd "$work" && run_wine_retrying "$work/output" "$work/errors" \
   "$host" --dll "$(winpath "$dll")" run "$(winpath "$script")") || rc=$?
cat "$work/errors" >&2
[ $rc -eq 0 ] || echo "the host emulator exited with $rc"

status=$rc
if ! cmp -s "$work/output" "$expected"; then
  echo "output differs from $expected:"
  diff <(cat -A "$expected") <(cat -A "$work/output") || true
  status=1
fi
if [ -n "$expected_ini" ] && ! cmp -s "$work/Plugins/KVARO.ini" "$expected_ini"; then
  echo "Plugins\\KVARO.ini differs from $expected_ini:"
  diff <(cat -A "$expected_ini") <(cat -A "$work/Plugins/KVARO.ini" 2>&1) || true
  status=1
fi
[ $status -eq 0 ] && echo "output and settings file match"
exit $status
