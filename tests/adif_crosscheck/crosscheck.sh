#!/usr/bin/env bash
# The scorer's ADIF reader and adif-parser-ts must read each file alike.
#   crosscheck.sh KVARO_SCORE FILE...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
score=$1
shift
if [ ! -d "$here/node_modules/adif-parser-ts" ]; then
  echo "SKIPPED: adif-parser-ts is not installed; run scripts/setup.sh as root" >&2
  exit 77
fi
status=0
for file in "$@"; do
  if diff <("$score" --dump-adif "$file") <(node "$here/dump.mjs" "$file") >/tmp/kvaro-crosscheck.$$; then
    echo "same: $file ($(grep -c '^record' <("$score" --dump-adif "$file")) records)"
  else
    echo "the readers differ on $file (< kvaro-score, > adif-parser-ts):"
    cat /tmp/kvaro-crosscheck.$$
    status=1
  fi
done
rm -f /tmp/kvaro-crosscheck.$$
exit $status
