#!/usr/bin/env bash
# Configures and builds the native tree, the 32-bit Windows programs and, on machines that
# cannot execute 32-bit code, the 64-bit build of the same programs that Wine runs in tests.
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in native windows; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
if [ "$(bash tools/wine-build-dir.sh)" = build/windows64 ]; then
  cmake --preset windows64 >/dev/null
  cmake --build --preset windows64
fi
