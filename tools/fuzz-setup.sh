#!/usr/bin/env bash
# Fuzzes the setup archive reader with libFuzzer for a bounded time (not part of CI).
#
#   tools/fuzz-setup.sh [SECONDS]     default 60
#
# Builds korvalith_setup_fuzz with clang in build/setup-fuzz and runs it; a crashing input is
# written to tests/setup/fuzz-regressions/, where the native tests replay it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build/setup-fuzz
CC=clang CXX=clang++ cmake --preset native -B "$build" -DKORVALITH_FUZZ=ON >/dev/null
cmake --build "$build" -j2 --target korvalith_setup_fuzz
corpus=$build/fuzz-corpus
mkdir -p "$corpus"
"$build/tests/setup/korvalith_setup_fuzz" -max_total_time="$seconds" -max_len=65536 \
  -rss_limit_mb=1024 -artifact_prefix=tests/setup/fuzz-regressions/ "$corpus"
