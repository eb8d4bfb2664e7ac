#!/usr/bin/env bash
# Prints the build folder whose Windows programs this machine's Wine can run. KORVALITH_WINE64=1
# picks the 64-bit build even where 32-bit Wine runs, to try the path of machines without it.
if [ -z "${KORVALITH_WINE64:-}" ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo build/windows
else
  echo build/windows64
fi
