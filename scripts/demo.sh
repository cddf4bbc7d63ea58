#!/usr/bin/env bash
# The main job on the bundled sample: installs what is missing (as root),
# builds, and replays the demo contest session through KVARO.dll under Wine
# as an export run, printing the summary that the plug-in returns to the host
# and the name of the Cabrillo file it wrote.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KVARO_BUILD:-$root/build}
[ "$(id -u)" -eq 0 ] && bash "$root/scripts/setup.sh" >&2
bash "$root/scripts/build.sh" >&2
export KVARO_WINEPREFIX=${KVARO_WINEPREFIX:-$build/wineprefix}
export KVARO_E2E_EMULATED=1  # the demo runs under emulation too, however slowly
bash "$root/tests/e2e/prepare_prefix.sh" >&2
source "$root/tests/e2e/wine_env.sh"
work=$build/demo
mkdir -p "$work/Plugins"
cd "$work"
echo "replaying the demo session through KVARO.dll under Wine..." >&2
if run_wine_retrying "$work/summary.txt" "$work/errors.txt" \
     "$build/windows/kvaro-host.exe" --dll "$(winpath "$build/windows/KVARO.dll")" demo; then
  cat "$work/summary.txt"
  echo "(Cabrillo file written: $(ls "$work"/*.cbr); settings file: $work/Plugins/KVARO.ini)" >&2
  exit 0
fi
cat "$work/errors.txt" >&2
exit 1
