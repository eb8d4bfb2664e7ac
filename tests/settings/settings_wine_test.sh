#!/usr/bin/env bash
# The settings store under Wine: registry mode on Windows XP, INI in the documents folder on
# Windows 7, and the INI beside the program on a removable drive (on both versions).
set -u
# shellcheck disable=SC1090
source "$WINEBED"
wb_group_begin

exe=$KORVALITH_BIN/settings_test.exe
failures=0

wine_reg() { timeout 60 "$WB_LOADER" reg "$@" >/dev/null 2>&1 </dev/null; }
set_version() { wine_reg add 'HKCU\Software\Wine' /v Version /d "$1" /f; }

# Runs one gtest suite; it must pass and run at least one test.
suite() {
  local what=$1
  shift
  local out
  out=$(wb_wine 120 "$@")
  local rc=$?
  echo "$out"
  if [ $rc -ne 0 ] || ! grep -q '^\[  PASSED  \] [1-9]' <<<"$out"; then
    echo "FAIL: $what (status $rc)"
    failures=$((failures + 1))
  else
    echo "ok: $what"
  fi
}

set_version winxp
suite "registry mode on XP" "$exe" --gtest_filter='RegistryMode.*'

set_version win7
suite "INI in documents on 7" "$exe" --gtest_filter='IniDocumentsMode.*'

# D: a folder that reports a removable drive, E: one that reports a CD-ROM.
mkdir -p "$WINEPREFIX/flash" "$WINEPREFIX/cdrom"
cp "$exe" "$WINEPREFIX/flash/settings_test.exe"
ln -sfn "$WINEPREFIX/flash" "$WINEPREFIX/dosdevices/d:"
ln -sfn "$WINEPREFIX/cdrom" "$WINEPREFIX/dosdevices/e:"
wine_reg add 'HKLM\Software\Wine\Drives' /v d: /d floppy /f
wine_reg add 'HKLM\Software\Wine\Drives' /v e: /d cdrom /f
# Drive types change only when the server restarts.
timeout 30 "$WB_SERVER" -k 2>/dev/null
timeout 30 "$WB_SERVER" -w 2>/dev/null

suite "portable INI on a removable drive, 7" 'D:\settings_test.exe' --gtest_filter='PortableMode.*'
set_version winxp
suite "portable INI on a removable drive, XP" 'D:\settings_test.exe' --gtest_filter='PortableMode.*'

exit $((failures > 0))
