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
  wineserver -w
  # With the server stopped the registry is a text file; setting the two
  # values there spares a Wine process each, which is slow under emulation.
  sed -i -e 's/^"sShortDate"=".*"$/"sShortDate"="dd.MM.yyyy"/' \
         -e 's/^"sTimeFormat"=".*"$/"sTimeFormat"="HH:mm:ss"/' "$WINEPREFIX/user.reg"
  grep -q '^"sShortDate"="dd.MM.yyyy"$' "$WINEPREFIX/user.reg" || { echo "user.reg has no short date format" >&2; exit 1; }
  touch "$WINEPREFIX/.kvaro-ready"
fi
echo "Wine prefix ready: $WINEPREFIX"
