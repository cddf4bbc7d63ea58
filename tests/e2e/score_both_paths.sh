#!/usr/bin/env bash
# kvaro-score on one log twice, through the native library and through the
# real KVARO.dll under Wine: what it prints and the files the export run
# writes must be the same, byte for byte.
#   score_both_paths.sh KVARO_SCORE DLL LOG
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"
need_wine

score=$1 dll=$2 log=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
args=(--dupes --export --name "Nikos P" --address 'Odos 1\nAthens' --club RAAG "$log")

mkdir "$work/native" "$work/dll"
(cd "$work/native" && "$score" "${args[@]}" >output 2>errors)
(cd "$work/dll" && "$score" --dll "$dll" "${args[@]}" >output 2>errors) || { cat "$work/dll/errors"; exit 1; }

status=0
for file in output errors DL1KV.cbr cabrillo.ini Plugins/KVARO.ini; do
  if ! cmp -s "$work/native/$file" "$work/dll/$file"; then
    echo "$file differs (< native, > KVARO.dll under Wine):"
    diff <(cat -A "$work/native/$file") <(cat -A "$work/dll/$file") || true
    status=1
  fi
done
grep -q '^File produced: DL1KV.cbr$' "$work/native/output" || { echo "no Cabrillo file produced"; status=1; }
[ $status -eq 0 ] && echo "both paths agree: $(grep -c '^QSO:' "$work/native/DL1KV.cbr") QSO lines, $(tail -1 "$work/native/output")"
exit $status
