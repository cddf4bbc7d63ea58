#!/usr/bin/env bash
# Configures and builds everything: the native core, its tests and KVARO.dll
# with the host emulator, cross-compiled. Build tree: build/ (or $KVARO_BUILD).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KVARO_BUILD:-$root/build}
cmake -S "$root" -B "$build" -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
