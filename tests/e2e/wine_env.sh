# Sourced by the end-to-end scripts: the Wine prefix and settings they share.
# Wine runs with its own prefix in the build tree, so tests never touch ~/.wine.
export WINEPREFIX="${KVARO_WINEPREFIX:?KVARO_WINEPREFIX is not set}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko install dialogs
export WINEARCH=win32

need_wine() {
  if ! command -v wine >/dev/null 2>&1; then
    echo "SKIPPED: wine is not installed; run scripts/setup.sh as root to install it" >&2
    exit 77
  fi
  if ! command -v xvfb-run >/dev/null 2>&1 && [ -z "${DISPLAY:-}" ]; then
    echo "SKIPPED: no X display and no xvfb-run; run scripts/setup.sh as root to install Xvfb" >&2
    exit 77
  fi
}

# A Unix path as Wine's Z: drive names it.
winpath() {
  local p
  p=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
  printf 'Z:%s' "${p//\//\\}"
}

# Runs a Windows program under Wine, on the X display or on a fresh Xvfb.
run_wine() {
  if [ -n "${DISPLAY:-}" ]; then
    wine "$@"
  else
    xvfb-run -a -s "-screen 0 1024x768x24" wine "$@"
  fi
}
