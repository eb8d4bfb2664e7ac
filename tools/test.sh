#!/usr/bin/env bash
# Builds everything (native, Windows, and the 64-bit test build where needed) and runs every
# test, native and under Wine, in one ctest run. Exit status: non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
bash tools/build.sh

wine_dir=$(bash tools/wine-build-dir.sh)
cmake --preset native -DKORVALITH_WINE_TESTS_DIR="$PWD/$wine_dir" >/dev/null
ctest --preset native --timeout 600 "$@"
