#!/usr/bin/env bash
# Shell figures of the real Korvalith.exe under Wine, printed only: start to marker with the
# Wine server already running, hot key to window visible, and the CPU it uses while hidden.
#
#   tools/bench-shell.sh [BUILD_DIR]     default: the build folder this machine's Wine runs
#
# Times are taken in bash around the shell's probe programs, which poll every 50 ms, so each
# figure carries up to about 60 ms of polling besides the program's own time.
set -u
cd "$(dirname "$0")/.." || exit 1
BUILD=${1:-$(bash tools/wine-build-dir.sh)}
BIN=$(cd "$BUILD/bin" 2>/dev/null && pwd) || { echo "no programs in $BUILD/bin" >&2; exit 1; }
for exe in Korvalith shell_probe e2e_probe; do
  [ -f "$BIN/$exe.exe" ] || { echo "missing $BIN/$exe.exe" >&2; exit 1; }
done

STATE=/tmp/wb-bench
RUNS=5
IDLE_SECONDS=${BENCH_IDLE_SECONDS:-30}
WINEBED=$PWD/tests/wine/winebed.sh
# shellcheck source=tests/wine/winebed.sh
source "$WINEBED"

bash "$WINEBED" start "$STATE" || exit 1
wb_env "$STATE" || exit 1
wb_new_prefix "$STATE" bench || exit 1

korvalith_pid=
cleanup() {
  [ -n "$korvalith_pid" ] && kill "$korvalith_pid" 2>/dev/null
  wb_end_prefix
  wb_remove_prefix
  bash "$WINEBED" stop "$STATE"
}
trap cleanup EXIT

probe() { wb_wine 30 "$BIN/shell_probe.exe" "$@"; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

start_korvalith() {
  "$WB_LOADER" "$BIN/Korvalith.exe" >>"$WINEPREFIX/korvalith.log" 2>&1 </dev/null &
  korvalith_pid=$!
}
stop_korvalith() {
  probe close >/dev/null
  for _ in $(seq 1 100); do
    kill -0 "$korvalith_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$korvalith_pid" 2>/dev/null
  korvalith_pid=
  probe wait-gone 10000 >/dev/null
}

# A watcher started ahead of the measured step, so that its own start is not timed: it runs
# the probe command and the time is read when the probe's output file holds a line (or, with
# an empty-output command, when it ends).
watch_start() {  # watch_start OUTFILE PROBE ARGS...
  local out=$1
  shift
  : >"$out"
  ("$WB_LOADER" "$@" >"$out" 2>&1 </dev/null; echo "end $?" >>"$out") &
  sleep 2
}
watch_end() {  # watch_end OUTFILE START_MS: prints the milliseconds since START_MS

  for _ in $(seq 1 3000); do
    [ -s "$1" ] && break
    sleep 0.01
  done
  echo $(($(now_ms) - $2))
  wait
}

# A first start warms Wine's caches; it is not counted.
start_korvalith
probe wait-marker 30000 >/dev/null
stop_korvalith

start_ms=()
for _ in $(seq 1 $RUNS); do
  out=$WINEPREFIX/bench-marker.out
  watch_start "$out" "$BIN/shell_probe.exe" wait-marker 30000
  t0=$(now_ms)
  start_korvalith
  start_ms+=("$(watch_end "$out" "$t0")")
  stop_korvalith
done
echo "start to marker (ms, Wine server running): median $(median "${start_ms[@]}") of ${start_ms[*]}"

start_korvalith
probe wait-marker 30000 >/dev/null
sleep 2
desktop=$(timeout 10 xdotool search --name "Wine desktop" | head -n 1)
hot_ms=()
for _ in $(seq 1 $RUNS); do
  out=$WINEPREFIX/bench-shown.out
  watch_start "$out" "$BIN/e2e_probe.exe" shown 20000
  [ -n "$desktop" ] && timeout 10 xdotool windowfocus "$desktop" 2>/dev/null
  t0=$(now_ms)
  timeout 10 xdotool key --clearmodifiers ctrl+alt+p
  hot_ms+=("$(watch_end "$out" "$t0")")
  grep -q '^end 0' "$out" || hot_ms[-1]="lost"
  # Without a target the window comes with the could-not-detect message: dismiss, then hide.
  probe dialog 5000 >/dev/null && probe press OK >/dev/null
  sleep 0.5
  [ -n "$desktop" ] && timeout 10 xdotool windowfocus "$desktop" 2>/dev/null
  timeout 10 xdotool key Escape
  wb_wine 30 "$BIN/e2e_probe.exe" hidden 10000 >/dev/null
  sleep 1
done
echo "hot key to window visible (ms): median $(median "${hot_ms[@]}") of ${hot_ms[*]}"

# The Wine process that runs Korvalith.exe in this bench's prefix.
program_pid=
for p in $(pgrep -f Korvalith.exe); do
  if tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
    program_pid=$p
    break
  fi
done
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
if [ -n "$program_pid" ]; then
  ticks_per_s=$(getconf CLK_TCK)
  before=$(cpu_ticks "$program_pid")
  sleep "$IDLE_SECONDS"
  after=$(cpu_ticks "$program_pid")
  awk -v d=$((after - before)) -v hz="$ticks_per_s" -v s="$IDLE_SECONDS" \
    'BEGIN { printf "CPU while hidden for %d s: %.2f %% of one core (%d ticks of 1/%d s)\n", s, 100 * d / (hz * s), d, hz }'
else
  echo "CPU while hidden: no Korvalith.exe process found in $WINEPREFIX"
fi
stop_korvalith
