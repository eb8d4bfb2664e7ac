#!/usr/bin/env bash
# Builds everything and runs Korvalith under Wine: by default the setup wizard, which installs
# the program and starts it; `--program` starts the password program itself.
# Uses $DISPLAY when set, otherwise a private Xvfb (its display number is printed).
set -euo pipefail
cd "$(dirname "$0")/.."

what=setup
[ "${1:-}" = "--program" ] && what=program

bash tools/install-deps.sh
bash tools/build.sh
build=$(bash tools/wine-build-dir.sh)

source tests/wine/winebed.sh
wb_detect_wine
export WINEARCH=$WB_ARCH WINELOADER=$WB_LOADER WINESERVER=$WB_SERVER
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=${KORVALITH_WINEPREFIX:-$HOME/.local/share/korvalith/wine-$WB_ARCH}

xvfb_pid=
if [ -z "${DISPLAY:-}" ]; then
  n=$(wb_free_display)
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=:$n
  echo "run: no DISPLAY set; started a private Xvfb on :$n (view it with a VNC bridge or screenshots)"
fi
cleanup() {
  "$WB_SERVER" -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  wb_make_template "$WINEPREFIX"
fi

if [ "$what" = setup ]; then
  exe=$build/bin/korvalith10.exe
else
  exe=$build/bin/Korvalith.exe
fi
echo "run: $exe (prefix $WINEPREFIX); close its windows to end"
"$WB_LOADER" "$exe"
"$WB_SERVER" -w
