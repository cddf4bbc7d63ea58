#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian machine.
# Run as root. Safe to run again: packages already present are skipped quickly.
set -euo pipefail

packages=(cmake g++ make libgtest-dev libgmock-dev g++-mingw-w64-i686 binutils-mingw-w64-i686
          wine wine32:i386 xvfb xauth x11-utils imagemagick)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
echo "setup: installed ${missing[*]}"
