#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian machine.
# Run as root. Safe to run again: what is already there is skipped quickly.
set -euo pipefail

packages=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev g++-mingw-w64-i686 binutils-mingw-w64-i686
          wine wine32:i386 xvfb xauth x11-utils imagemagick qemu-user-static
          hamradio-files python3 nodejs clang libclang-rt-14-dev)
# Debian's nodejs comes without npm; NodeSource's holds it.
command -v npm >/dev/null 2>&1 || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
  echo "setup: installed ${missing[*]}"
fi

# Wine for 32-bit Windows programs is itself a 32-bit Linux program. A kernel
# built without 32-bit support cannot start it; there it runs in user-mode
# emulation, registered as the loader of 32-bit x86 executables.
if ! /lib/ld-linux.so.2 --help >/dev/null 2>&1; then
  binfmt=/proc/sys/fs/binfmt_misc
  [ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt"
  if [ ! -e "$binfmt/qemu-i386" ]; then
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:FOC' \
      > "$binfmt/register"
  fi
  /lib/ld-linux.so.2 --help >/dev/null 2>&1 || { echo "setup: cannot run 32-bit x86 programs" >&2; exit 1; }
  echo "setup: 32-bit x86 programs run under qemu-i386"
fi
# The ADIF parser that the scorer's reader is checked against, from the npm
# registry, at the version the lock file names.
crosscheck="$(cd "$(dirname "$0")/.." && pwd)/tests/adif_crosscheck"
if [ ! -d "$crosscheck/node_modules/adif-parser-ts" ]; then
  (cd "$crosscheck" && npm ci --no-audit --no-fund --silent)
  echo "setup: installed adif-parser-ts"
fi
echo "setup: ready"
