# Sourced by the end-to-end scripts: the Wine prefix and settings they share.
# Wine runs with its own prefix in the build tree, so tests never touch ~/.wine.
export WINEPREFIX="${KVARO_WINEPREFIX:?KVARO_WINEPREFIX is not set}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"  # no Mono or Gecko dialogs, no menu entries
export WINEARCH=win32

# Whether 32-bit x86 programs (and so 32-bit Wine) run only under qemu-i386.
wine_emulated() {
  [ -f /proc/sys/fs/binfmt_misc/qemu-i386 ] && grep -q '^enabled' /proc/sys/fs/binfmt_misc/qemu-i386
}

need_wine() {
  if ! command -v wine >/dev/null 2>&1; then
    echo "SKIPPED: wine is not installed; run scripts/setup.sh as root to install it" >&2
    exit 77
  fi
  # Under emulation a Wine session takes many minutes and the emulator now
  # and then crashes, so the tests would say more about qemu than about the
  # plug-in. They run there only when asked for.
  if wine_emulated && [ "${KVARO_E2E_EMULATED:-0}" != 1 ]; then
    echo "SKIPPED: this kernel runs 32-bit Wine only under qemu-i386 emulation, too slow and unstable" \
         "for the tests; set KVARO_E2E_EMULATED=1 to run them anyway" >&2
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

# run_wine with the output to OUT and the errors to ERR. Wine under qemu-i386
# emulation now and then dies of a fault of the emulator itself; such a run,
# and only such a run, is tried once more. Returns the program's exit status.
#   run_wine_retrying OUT ERR PROGRAM ARGS...
run_wine_retrying() {
  local out=$1 err=$2 attempt rc
  shift 2
  for attempt in 1 2; do
    rc=0
    run_wine "$@" > "$out" 2> "$err" || rc=$?
    [ $rc -ne 0 ] && [ $attempt -eq 1 ] && grep -q '^qemu: uncaught target signal' "$err" || break
    echo "emulator fault, running again:" >&2
    cat "$err" >&2
  done
  return $rc
}
