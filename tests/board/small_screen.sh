#!/usr/bin/env bash
# Runs the small-screen check of the main window on a 1024 x 600 virtual desktop.
set -euo pipefail
# shellcheck disable=SC1090
source "$WINEBED"
wb_group_begin
wb_wine 60 reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x600 /f >/dev/null
# The desktop size is read when the server and the desktop start again.
timeout 30 "$WB_SERVER" -k 2>/dev/null || true
"$WB_SERVER" -p
export BOARD_SMALL_SCREEN=1
wb_wine 90 "$KORVALITH_BIN/board_window_test.exe" --gtest_color=no --gtest_filter='SmallScreen.*'
