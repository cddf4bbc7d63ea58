#!/usr/bin/env bash
# The main job on the bundled sample: installs what is missing (as root),
# builds everything, and scores examples/sample.adi as an export run, once
# through the native library and once through the real KVARO.dll under
# Wine. Prints the summary and the name of the Cabrillo file each wrote.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KVARO_BUILD:-$root/build}
[ "$(id -u)" -eq 0 ] && bash "$root/scripts/setup.sh" >&2
bash "$root/scripts/build.sh" >&2
export KVARO_WINEPREFIX=${KVARO_WINEPREFIX:-$build/wineprefix}
export KVARO_E2E_EMULATED=1  # the demo runs under emulation too, however slowly
bash "$root/tests/e2e/prepare_prefix.sh" >&2
source "$root/tests/e2e/wine_env.sh"

sample=$root/examples/sample.adi
for path in native dll; do
  work=$build/demo/$path
  mkdir -p "$work"
  if [ $path = native ]; then
    echo "== $sample, scored through the native library (files in $work)"
    (cd "$work" && "$build/kvaro-score" --dupes --export "$sample") | tee "$work/output"
  else
    echo "== the same through KVARO.dll under Wine (files in $work)"
    (cd "$work" && "$build/kvaro-score" --dll "$build/windows/KVARO.dll" --dupes --export "$sample") | tee "$work/output"
  fi
done
if cmp -s "$build/demo/native/output" "$build/demo/dll/output" &&
   cmp -s "$build/demo/native/DL1KV.cbr" "$build/demo/dll/DL1KV.cbr"; then
  echo "== both paths printed the same summary and wrote the same Cabrillo file, byte for byte"
else
  echo "== the two paths differ" >&2
  exit 1
fi
