#!/usr/bin/env bash
# Runs a session script through the host emulator against KVARO.dll under
# Wine, in a fresh current directory that has a Plugins folder, and compares
# what it printed and the files it left with the expected files, byte for
# byte. Pictures the session took (*.bmp) are kept as PNG files in
# $KVARO_ARTIFACTS for a person to look at.
#   run_session.sh HOST DLL SCRIPT EXPECTED_OUTPUT [FILE=EXPECTED_FILE]...
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"
need_wine

host=$1 dll=$2 script=$3 expected=$4
shift 4

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
for pair in "$@"; do
  file=${pair%%=*} want=${pair#*=}
  if ! cmp -s "$work/$file" "$want"; then
    echo "$file differs from $want:"
    diff <(cat -A "$want") <(cat -A "$work/$file" 2>&1) || true
    status=1
  fi
done
for picture in "$work"/*.bmp; do
  [ -e "$picture" ] || continue
  mkdir -p "${KVARO_ARTIFACTS:?}"
  png="$KVARO_ARTIFACTS/$(basename "$script" .txt)-$(basename "$picture" .bmp).png"
  convert "$picture" "$png" && echo "picture kept: $png"
done
[ $status -eq 0 ] && echo "output and files match"
exit $status
