#!/usr/bin/env bash
# Builds and runs the picture board's benchmark program under Wine, in a test bed of its own.
#   tools/bench-board.sh [build folder]   (default: the Windows build this machine's Wine runs)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-$(bash tools/wine-build-dir.sh)}
cmake --build "$build" -j2 --target bench_board
state=$(mktemp -d /tmp/bench-board.XXXXXX)
trap 'bash tests/wine/winebed.sh stop "$state"; rm -rf "$state"' EXIT
bash tests/wine/winebed.sh start "$state"
bash tests/wine/winebed.sh run "$state" bench_board 120 "$PWD/$build/bin/bench_board.exe"
