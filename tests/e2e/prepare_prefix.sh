#!/usr/bin/env bash
# Creates the tests' Wine prefix once and gives its user a day-first short
# date format (dd.MM.yyyy), as a user in Greece or Germany would have it.
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"
need_wine
if [ ! -f "$WINEPREFIX/.kvaro-ready" ]; then
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  echo "creating the Wine prefix $WINEPREFIX (this takes a few minutes under emulation)"
  wineboot -i
  wine reg add 'HKCU\Control Panel\International' /v sShortDate /t REG_SZ /d dd.MM.yyyy /f
  wine reg add 'HKCU\Control Panel\International' /v sTimeFormat /t REG_SZ /d HH:mm:ss /f
  wineserver -w
  touch "$WINEPREFIX/.kvaro-ready"
fi
echo "Wine prefix ready: $WINEPREFIX"
