#!/usr/bin/env bash
# Runs help_test.exe from its own folder with its help file, the recording stand-in of the
# HTML Help control in the system folder and a decoy of it beside the program; then again
# with the control gone from the system folder (the decoy stays).
set -u
# shellcheck disable=SC1090
source "$WINEBED"
wb_group_begin

BIN=$KORVALITH_BIN
FAKE=$BIN/fake_hhctrl/hhctrl.ocx
system=$WINEPREFIX/drive_c/windows/system32
folder=$WINEPREFIX/drive_c/helptest
mkdir -p "$folder"
cp "$BIN/help_test.exe" "$folder/"
cp "$FAKE" "$folder/hhctrl.ocx"
echo chm >"$folder/help_test.chm"
export WINEDLLOVERRIDES="mscoree,mshtml=;hhctrl.ocx=n"

rc=0
cp "$FAKE" "$system/hhctrl.ocx"
wb_wine 120 'C:\helptest\help_test.exe' --gtest_color=no '--gtest_filter=WithControl.*' || rc=1
rm -f "$system/hhctrl.ocx"
wb_wine 120 'C:\helptest\help_test.exe' --gtest_color=no '--gtest_filter=WithoutControl.*' || rc=1
exit $rc
