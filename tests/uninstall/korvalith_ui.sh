#!/usr/bin/env bash
# The real Korvalith.exe "-ui" under Wine, its dialogs answered by pressing their buttons: a
# running copy is asked to close only after Yes, the logged files go, the registry keys go, and
# once the uninstaller has ended the script removes the program file and its folder, whose
# name holds characters the command interpreter treats specially.
set -u
# shellcheck disable=SC1090
source "$WINEBED"
wb_group_begin

BIN=$KORVALITH_BIN
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }
probe() { wb_wine 30 "$BIN/shell_probe.exe" "$@"; }
expect() {
  if [ "$3" = "$2" ]; then ok "$1"; else fail "$1: expected [$2], got [$3]"; fi
}
await_gone() {  # await_gone SECONDS PATH...: every path disappears in time
  local limit=$1 i p left
  shift
  for i in $(seq 1 $((limit * 10))); do
    left=0
    for p in "$@"; do [ -e "$p" ] && left=1; done
    [ $left -eq 0 ] && return 0
    sleep 0.1
  done
  return 1
}

# The installed program: a folder with "%", "&", "^", "(", ")" and an accented letter, which
# Wine shows to the program in the ANSI code page (1252: "é" is 0xE9).
dos_app='C:\kv\Tools 100% & ^(x) caf'$'\xe9''\Korvalith\'
unix_app="$WINEPREFIX/drive_c/kv/Tools 100% & ^(x) café/Korvalith"
mkdir -p "$unix_app"
cp "$BIN/Korvalith.exe" "$unix_app/"
echo help >"$unix_app/Korvalith.chm"
startup="$WINEPREFIX/drive_c/kv/Startup"
mkdir -p "$startup"
echo link >"$startup/Korvalith.lnk"
printf '%s\r\n' "Made Dir: ${dos_app}" "File Copy: ${dos_app}Korvalith.exe" \
  "File Copy: ${dos_app}Korvalith.chm" 'File Copy: C:\kv\Startup\Korvalith.lnk' \
  >"$unix_app/Install.log"
timeout 30 "$WB_LOADER" reg add 'HKCU\Software\Ostrevane\Korvalith' /v MAINDIR /d x /f >/dev/null 2>&1 </dev/null
timeout 30 "$WB_LOADER" reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvalith' /v UninstallString /d x /f >/dev/null 2>&1 </dev/null

# A running copy, from the build folder.
"$WB_LOADER" "$BIN/Korvalith.exe" >/dev/null 2>&1 </dev/null &
running_pid=$!
probe wait-marker 15000 >/dev/null || fail "the running copy did not start"

# The uninstaller, started by its Windows path as the uninstall entry would.
(cd "$unix_app" && "$WB_LOADER" "$(printf '%s' "${dos_app}Korvalith.exe" | iconv -f latin1 -t utf-8)" -ui >/dev/null 2>&1 </dev/null) &
ui_pid=$!
expect "confirmation" \
  "Uninstall Korvalith|Are you sure that you want to completely remove Korvalith from your computer?" \
  "$(probe dialog 15000)"
kill -0 "$running_pid" 2>/dev/null && ok "running copy untouched before Yes" || fail "running copy ended before Yes"
probe press '&Yes' >/dev/null
expect "completion" "Uninstall Korvalith|Uninstallation complete." "$(probe dialog 15000)"
probe wait-gone 10000 && ok "running copy asked to close" || fail "running copy still marked"
for f in "$unix_app/Korvalith.chm" "$unix_app/Install.log" "$startup/Korvalith.lnk"; do
  [ -e "$f" ] && fail "not deleted: $f" || ok "deleted: ${f##*/}"
done
[ -e "$unix_app/Korvalith.exe" ] && ok "program file waits for the end" || fail "program file gone too early"
for key in 'HKCU\Software\Ostrevane\Korvalith' 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvalith'; do
  if timeout 30 "$WB_LOADER" reg query "$key" >/dev/null 2>&1 </dev/null; then fail "key stays: $key"; else ok "key deleted: $key"; fi
done
timeout 30 "$WB_LOADER" reg query 'HKCU\Software\Ostrevane' >/dev/null 2>&1 </dev/null && ok "company key stays" || fail "company key deleted"

probe press OK >/dev/null
for i in $(seq 1 100); do kill -0 "$ui_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$ui_pid" 2>/dev/null && fail "uninstaller did not end" || ok "uninstaller ended"
await_gone 15 "$unix_app/Korvalith.exe" "$unix_app" && ok "script removed the program and its folder" \
  || fail "left behind: $(ls -la "$unix_app" 2>&1)"
[ -d "$WINEPREFIX/drive_c/kv/Tools 100% & ^(x) café" ] && ok "the folder above stays" || fail "folder above removed"
scripts=$(ls "$WINEPREFIX"/drive_c/users/*/AppData/Local/Temp/Korvalith*.bat 2>/dev/null)
await_gone 10 $scripts && ok "script deleted itself" || fail "script left: $scripts"
kill "$running_pid" 2>/dev/null

echo "failures: $failures"
[ "$failures" -eq 0 ]
