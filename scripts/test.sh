#!/usr/bin/env bash
# Installs what is missing (as root), builds everything and runs every test:
# the native unit tests, the scorer's tests and the end-to-end tests of
# KVARO.dll under Wine; then the native tests again, built with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz target for
# a bounded time (KVARO_FUZZ_SECONDS, 60 by default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KVARO_BUILD:-$root/build}
[ "$(id -u)" -eq 0 ] && bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

sanitize=$build/sanitize
cmake -S "$root" -B "$sanitize" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKVARO_SANITIZE=ON -DKVARO_FUZZ=ON -DKVARO_WINDOWS=OFF -DKVARO_BENCHMARKS=OFF -DBUILD_TESTING=ON \
  -DKVARO_FUZZ_SECONDS="${KVARO_FUZZ_SECONDS:-60}" >/dev/null
cmake --build "$sanitize" -j "$(nproc)"
ctest --test-dir "$sanitize" --output-on-failure -j "$(nproc)"
