#!/usr/bin/env bash
# Runs the host emulator against KVARO.dll under Wine in a fresh current
# directory that has a Plugins folder, and compares what it printed and the
# settings file it left with the expected files, byte for byte.
#   run_session.sh HOST DLL SCRIPT|demo EXPECTED_OUTPUT [EXPECTED_INI] [-- HOST_OPTIONS...]
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"
need_wine

host=$1 dll=$2 script=$3 expected=$4
shift 4
expected_ini=""
if [ $# -gt 0 ] && [ "$1" != "--" ]; then expected_ini=$1; shift; fi
[ "${1:-}" = "--" ] && shift

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ "$script" = demo ]; then
  command=(demo)
else
  command=(run "$(winpath "$script")")
fi
# Wine under qemu-i386 emulation now and then dies of an emulator fault before
# the program has run; such a run (and only such a run) is tried once more.
for attempt in 1 2; do
  rc=0
  rm -rf "$work/Plugins" && mkdir "$work/Plugins"
  (cd "$work" && run_wine "$host" --dll "$(winpath "$dll")" "$@" "${command[@]}") \
    > "$work/output" 2> "$work/errors" || rc=$?
  grep -q '^qemu: uncaught target signal' "$work/errors" && [ $attempt -eq 1 ] || break
  echo "emulator fault, running again:" && cat "$work/errors"
done
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
