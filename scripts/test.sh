#!/usr/bin/env bash
# Installs what is missing (as root), builds everything and runs every test:
# the native unit tests and the end-to-end tests of KVARO.dll under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KVARO_BUILD:-$root/build}
[ "$(id -u)" -eq 0 ] && bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
