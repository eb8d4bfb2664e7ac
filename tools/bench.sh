#!/usr/bin/env bash
# Builds and runs the derivation benchmarks: Google Benchmark natively, and the console
# benchmark under Wine in a private test bed. Prints the figures; asserts nothing.
#
#   tools/bench.sh            build folders build/bench-native and build/bench-<windows>
#   BENCH_NATIVE_DIR=... BENCH_WINDOWS_DIR=... tools/bench.sh    other (configured) folders
set -euo pipefail
cd "$(dirname "$0")/.."

wine_dir=$(bash tools/wine-build-dir.sh)
native_dir=${BENCH_NATIVE_DIR:-build/bench-native}
if [ "$wine_dir" = build/windows ]; then preset=windows; else preset=windows64; fi
windows_dir=${BENCH_WINDOWS_DIR:-build/bench-$preset}

configure() {
  local preset=$1 dir=$2
  [ -f "$dir/CMakeCache.txt" ] || cmake --preset "$preset" -B "$dir" >/dev/null
}

configure native "$native_dir"
cmake --build "$native_dir" -j2 --target bench_derive >/dev/null
configure "$preset" "$windows_dir"
cmake --build "$windows_dir" -j2 --target bench_derive_win >/dev/null

echo "== native (Google Benchmark) =="
"$native_dir/tests/bench/bench_derive" --benchmark_min_time=0.5 2>&1 | grep -v '^\*\*\*WARNING'

echo "== Windows ($preset) under Wine =="
state=$(mktemp -d /tmp/korvalith-bench.XXXXXX)
trap 'bash tests/wine/winebed.sh stop "$state"; rm -rf "$state"' EXIT
bash tests/wine/winebed.sh start "$state" 2>/dev/null
bash tests/wine/winebed.sh run "$state" bench 300 "$PWD/$windows_dir/bin/bench_derive_win.exe"
