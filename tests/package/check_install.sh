#!/usr/bin/env bash
# The operator's package: `cmake --install` puts the plug-in, the scorer, the
# host emulator, the sample and the guide in one folder, and the installed
# scorer scores the installed sample.
#   check_install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
status=0
for file in KVARO.dll kvaro-host.exe kvaro-score README-operator.md sample.adi; do
  [ -s "$prefix/$file" ] || { echo "missing from the package: $file"; status=1; }
done
(cd "$prefix" && ./kvaro-score sample.adi | grep -q '^Score: ') || { echo "the installed scorer does not score"; status=1; }
[ $status -eq 0 ] && echo "package complete: $(ls "$prefix" | tr '\n' ' ')"
exit $status
