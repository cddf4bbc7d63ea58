#!/usr/bin/env bash
# Creates the tests' Wine prefix once and gives its user a day-first short
# date format (dd.MM.yyyy), as a user in Greece or Germany would have it.
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"
need_wine
make_prefix() {
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  echo "creating the Wine prefix $WINEPREFIX (this takes a few minutes under emulation)"
  wineboot -i || return 1
  wineserver -w
  # With the server stopped the registry is a text file; setting the two
  # values there spares a Wine process each, which is slow under emulation.
  sed -i -e 's/^"sShortDate"=".*"$/"sShortDate"="dd.MM.yyyy"/' \
         -e 's/^"sTimeFormat"=".*"$/"sTimeFormat"="HH:mm:ss"/' "$WINEPREFIX/user.reg" || return 1
  grep -q '^"sShortDate"="dd.MM.yyyy"$' "$WINEPREFIX/user.reg"
}

if [ ! -f "$WINEPREFIX/.kvaro-ready" ]; then
  # Under emulation wineboot now and then dies half way; one more try.
  make_prefix || { echo "the Wine prefix is incomplete; creating it again"; make_prefix; } ||
    { echo "cannot create the Wine prefix" >&2; exit 1; }
  touch "$WINEPREFIX/.kvaro-ready"
fi
echo "Wine prefix ready: $WINEPREFIX"
