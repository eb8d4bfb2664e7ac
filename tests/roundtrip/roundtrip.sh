#!/usr/bin/env bash
# Install and uninstall for real under Wine: korvalith10.exe's wizard is driven to Finish, the
# program it starts with -intro runs hidden, then the command line of the uninstall entry is
# started and answered Yes and OK. Afterwards every file and folder of the install log (a
# logged folder above the program folder too), the program, its folder, the log, the
# self-delete script and both registry keys are gone, and the settings kept in
# Documents\Korvalith.ini stay. Once into the default folder, once into a folder whose name holds "%", "&", "^", "(",
# ")" and an accented letter, each in a fresh prefix.
set -u
# shellcheck disable=SC1090
source "$WINEBED"
wb_group_begin

BIN=$KORVALITH_BIN
SETTINGS_KEY='HKCU\Software\Ostrevane\Korvalith'
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvalith'
DEFAULT_DEST='C:\Program Files\Korvalith'
# Typed into the wizard in the ANSI code page (1252: "é" is 0xE9); Wine hands the probe's
# UTF-8 argument to it in that code page.
SPECIAL_DEST='C:\Tools 100% & ^(x) café\Korvalith'
# Control id of the wizard's page title and destination box (layout id + 1000).
TOP_LBL=1002
DEST_EDIT=1018
NEXT='&Next >'
FINISH='&Finish'

failures=0
round=
fail() {
  echo "FAIL ($round): $*"
  failures=$((failures + 1))
}
ok() { echo "ok ($round): $*"; }
expect() {  # expect WHAT EXPECTED ACTUAL
  if [ "$3" = "$2" ]; then ok "$1"; else fail "$1: expected [$2], got [$3]"; fi
}
# A step the rest of the round cannot do without.
need() { "$@" || { fail "cannot go on after: $*"; return 1; }; }
setup_probe() { wb_wine 30 "$BIN/korvalith_setup_probe.exe" "$@"; }
shell_probe() { wb_wine 30 "$BIN/shell_probe.exe" "$@"; }
reg_has() { wb_wine 30 reg query "$1" >/dev/null 2>&1; }
# wine's reg writes its console output in the OEM code page (437).
reg_value() {
  wb_wine 30 reg query "$1" /v "$2" 2>/dev/null | iconv -f cp437 -t utf-8 |
    sed -n "s/^ *$2 *REG_SZ *//p"
}
await() {  # await SECONDS COMMAND...: polls until the command succeeds
  local i
  for i in $(seq 1 $(($1 * 10))); do
    "${@:2}" && return 0
    sleep 0.1
  done
  return 1
}
none_exists() {
  local p
  for p in "$@"; do [ -e "$p" ] && return 1; done
  return 0
}

# A Windows path on drive C: as the Linux path Wine keeps it under, each part matched without
# regard to case as Windows does (the log may say "Startup" for the folder "StartUp").
unix_path() {
  local rest=${1#[Cc]:\\} path=$WINEPREFIX/drive_c part match parts
  IFS='\' read -r -a parts <<<"${rest%\\}"
  for part in "${parts[@]}"; do
    match=$(find "$path" -mindepth 1 -maxdepth 1 -iname "$part" -printf '%f\n' 2>/dev/null | head -n 1)
    path=$path/${match:-$part}
  done
  echo "$path"
}

setup_pid=
start_setup() {
  (cd "$BIN" && timeout -k 5 120 "$WB_LOADER" "$BIN/korvalith10.exe" >/dev/null 2>&1 </dev/null) &
  setup_pid=$!
}
setup_ended() { ! kill -0 "$setup_pid" 2>/dev/null; }
on_page() { [ "$(setup_probe gettext wizard $TOP_LBL)" = "$1" ]; }
finish_usable() { setup_probe dump wizard | grep -qF "|1|1|$FINISH"; }
click() { setup_probe click wizard "$1" >/dev/null; }

# The wizard from Welcome to Finish, into DEST (empty: the proposed folder, checked).
install() {
  local dest=$1
  start_setup
  need setup_probe wait wizard 30000 >/dev/null || return 1
  need await 10 on_page "Welcome to the Korvalith Setup" || return 1
  click "$NEXT"; need await 10 on_page "License Agreement" || return 1
  click "$NEXT"; need await 10 on_page "Choose Destination Folder" || return 1
  expect "proposed folder" "$DEFAULT_DEST" "$(setup_probe gettext wizard $DEST_EDIT)"
  if [ "$dest" != "$DEFAULT_DEST" ]; then
    setup_probe settext wizard $DEST_EDIT "$dest" >/dev/null
    expect "typed folder" "$dest" "$(setup_probe gettext wizard $DEST_EDIT | iconv -f cp1252 -t utf-8)"
  fi
  click "$NEXT"; need await 10 on_page "Ready to Install" || return 1
  click "$NEXT"; need await 30 on_page "Installation Complete" || return 1
  need await 30 finish_usable || return 1
  click "$FINISH"
  need await 20 setup_ended || return 1
  ok "installed through the wizard to Finish"
}

# Sets ui_pid: the uninstaller, started from the uninstall entry's command line.
ui_pid=
start_uninstall() {
  local line=$1 exe args
  [[ "$line" =~ ^\"([^\"]+)\"\ (.*)$ ]] || { fail "uninstall command line not understood: $line"; return 1; }
  exe=${BASH_REMATCH[1]} args=${BASH_REMATCH[2]}
  (cd "$WINEPREFIX/drive_c" && timeout -k 5 90 "$WB_LOADER" "$exe" $args >/dev/null 2>&1 </dev/null) &
  ui_pid=$!
}
ui_ended() { ! kill -0 "$ui_pid" 2>/dev/null; }
no_marker() { shell_probe wait-gone 0 >/dev/null; }

roundtrip() {
  local dest=$1
  local dest_unix
  dest_unix=$(unix_path "$dest")
  local log=$dest_unix/Install.log
  local user_dir
  user_dir=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public | head -n 1)
  local ini=$user_dir/Documents/Korvalith.ini temp=$user_dir/AppData/Local/Temp

  install "$dest" || return 1
  [ -f "$dest_unix/Korvalith.exe" ] && ok "program installed" || fail "no $dest_unix/Korvalith.exe"
  cmp -s "$dest_unix/Korvalith.exe" "$BIN/Korvalith.exe" && ok "the real program was installed" ||
    fail "installed program differs from the built Korvalith.exe"
  shell_probe wait-marker 20000 >/dev/null && ok "the started program runs, marked" ||
    fail "no marked window of the started program"
  expect "the program runs hidden" "visible=0" "$(shell_probe state | cut -d' ' -f1)"
  expect "MAINDIR" "$dest" "$(reg_value "$SETTINGS_KEY" MAINDIR)"

  # What the uninstaller has to remove, read before it runs.
  local entries=() line path
  [ -f "$log" ] || { fail "no install log at $log"; return 1; }
  while IFS= read -r line; do
    path=${line#Made Dir: }
    path=${path#File Copy: }
    [ "$path" = "$line" ] && { fail "unknown log line: $line"; continue; }
    entries+=("$(unix_path "$path")")
  done < <(iconv -f cp1252 -t utf-8 "$log" | tr -d '\r')
  [ "${#entries[@]}" -ge 4 ] && ok "install log lists ${#entries[@]} entries" ||
    fail "install log lists only ${#entries[@]} entries"
  for path in "${entries[@]}"; do
    [ -e "$path" ] || fail "listed but missing before uninstalling: $path"
  done

  # Settings kept in the INI file of the Documents folder (the prefix reports Windows 7).
  # The program writes it when options change; a first run without changes leaves none.
  if [ -f "$ini" ]; then
    ok "the program wrote Documents\\Korvalith.ini"
  else
    printf '[General]\r\nPasLen=2\r\n' >"$ini"
  fi
  local ini_before
  ini_before=$(cat "$ini")

  rm -f "$temp"/Korvalith*.bat

  local uninstall
  uninstall=$(reg_value "$UNINSTALL_KEY" UninstallString)
  expect "uninstall command line" "\"$dest\\Korvalith.exe\" -ui" "$uninstall"
  start_uninstall "$uninstall" || return 1
  expect "confirmation" \
    "Uninstall Korvalith|Are you sure that you want to completely remove Korvalith from your computer?" \
    "$(shell_probe dialog 20000)"
  shell_probe press '&Yes' >/dev/null
  expect "completion" "Uninstall Korvalith|Uninstallation complete." "$(shell_probe dialog 20000)"
  await 10 no_marker && ok "the running program closed" || fail "the running program is still marked"
  shell_probe press OK >/dev/null
  await 15 ui_ended && ok "uninstaller ended" || fail "uninstaller did not end"

  # A logged folder above the program folder is still full when the backward walk reaches it;
  # the script removes it after the program folder.
  local above=0
  for path in "${entries[@]}"; do [[ "$dest_unix/" == "$path/"?* ]] && above=$((above + 1)); done
  [ "$round" = special ] && { [ "$above" -ge 1 ] && ok "the log lists $above folder(s) above" ||
    fail "the log lists no folder above the program folder"; }
  local scripts=("$temp"/Korvalith*.bat)
  if await 30 none_exists "${entries[@]}" "$dest_unix/Korvalith.exe" "$dest_unix" "$log" \
    "${scripts[@]}"; then
    ok "every logged entry, the program, its folder and the log are gone"
  else
    for path in "${entries[@]}" "$dest_unix/Korvalith.exe" "$dest_unix" "$log"; do
      [ -e "$path" ] && fail "left behind: $path"
    done
  fi
  [ -z "$(ls "$temp"/Korvalith*.bat 2>/dev/null)" ] && ok "the self-delete script is gone" ||
    fail "script left: $(ls "$temp"/Korvalith*.bat)"
  for key in "$SETTINGS_KEY" "$UNINSTALL_KEY"; do
    reg_has "$key" && fail "key stays: $key" || ok "key deleted: $key"
  done
  [ -f "$ini" ] && [ "$(cat "$ini")" = "$ini_before" ] && ok "Documents\\Korvalith.ini stays" ||
    fail "Documents\\Korvalith.ini was removed or changed"
}

cleanup() {
  local rc=$?
  [ -n "$setup_pid" ] && kill "$setup_pid" 2>/dev/null
  [ -n "$ui_pid" ] && kill "$ui_pid" 2>/dev/null
  wb_end_prefix
  # A failed run keeps its prefix to look into.
  [ "$rc" -eq 0 ] && wb_remove_prefix
  return "$rc"
}
trap cleanup EXIT

round=default
roundtrip "$DEFAULT_DEST"
if [ "$failures" -eq 0 ]; then
  wb_end_prefix
  wb_remove_prefix
  # The second round in a fresh prefix of its own, so nothing of the first can help it.
  round=special
  WINEBED_GROUP=$WINEBED_GROUP.special
  wb_new_prefix "$WINEBED_STATE" "$WINEBED_GROUP" || exit 1
  roundtrip "$SPECIAL_DEST"
fi

echo "failures: $failures"
[ "$failures" -eq 0 ]
