#!/usr/bin/env bash
# Prints the build folder whose Windows programs this machine's Wine can run.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo build/windows
else
  echo build/windows64
fi
