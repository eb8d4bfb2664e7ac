#!/usr/bin/env bash
# Scenarios of the setup program under Wine, driven through setup_probe.
#   wine_setup.sh SCENARIO IMAGE    IMAGE is the setup program without its archive (for the bench)
set -u
# shellcheck disable=SC1090
source "$WINEBED"
wb_group_begin

scenario=$1
image=$2
BIN=$KORVALITH_BIN
SETUP_EXE=$BIN/korvalith10_test.exe
C=$WINEPREFIX/drive_c
DEST_WIN='C:\Program Files\Korvalith'
DEST=$C/Program\ Files/Korvalith
LOG=$DEST/Install.log
# Control ids of the wizard (layout id + 1000).
TOP_LBL=1002
DEST_EDIT=1018
NEXT='&Next >'
FINISH='&Finish'

fail() { echo "FAIL ($scenario): $*"; exit 1; }
note() { echo "$scenario: $*"; }
probe() { wb_wine 30 "$BIN/korvalith_setup_probe.exe" "$@"; }

start_setup() {
  local exe=${1:-$SETUP_EXE}
  (cd "$(dirname "$exe")" && timeout -k 5 120 "$WB_LOADER" "$exe" >/dev/null 2>&1 </dev/null) &
  SETUP_PID=$!
}
wait_setup_end() {
  local i
  for i in $(seq 1 200); do
    kill -0 "$SETUP_PID" 2>/dev/null || return 0
    sleep 0.1
  done
  fail "the setup did not end"
}
wait_wizard() { probe wait wizard 30000 >/dev/null || fail "no wizard window"; }
wait_title() {
  local want=$1 i
  for i in $(seq 1 ${2:-100}); do
    [ "$(probe gettext wizard $TOP_LBL)" = "$want" ] && return 0
    sleep 0.1
  done
  fail "page \"$want\" not reached (title: $(probe gettext wizard $TOP_LBL))"
}
click() { probe click "$1" "$2" >/dev/null || fail "cannot click $2 on the $1"; }
wait_dialog() {
  probe wait dialog "${1:-10000}" >/dev/null || fail "no question appeared"
  DIALOG=$(probe dump dialog)
}
dialog_says() { grep -qF -- "$1" <<<"$DIALOG" || fail "question lacks \"$1\": $DIALOG"; }
wait_finish_button() {
  local i
  for i in $(seq 1 300); do
    probe dump wizard | grep -qF "|1|1|$FINISH" && return 0
    sleep 0.1
  done
  fail "the Finish button did not become usable"
}
to_ready() {
  click wizard "$NEXT"; wait_title "License Agreement"
  click wizard "$NEXT"; wait_title "Choose Destination Folder"
  if [ -n "${1:-}" ]; then probe settext wizard $DEST_EDIT "$1" >/dev/null; fi
  click wizard "$NEXT"; wait_title "Ready to Install"
}
reg_value() { wb_wine 30 reg query "$1" /v "$2" 2>/dev/null | sed -n "s/^ *$2 *REG_SZ *//p"; }
startup_link() { ls "$C"/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/StartUp/Korvalith.lnk 2>/dev/null; }
dos_time() { echo $(($(stat -c %Y "$1") / 2 * 2)); }

expect_first_install_results() {
  [ -f "$DEST/Korvalith.exe" ] || fail "program not installed"
  cmp -s "$DEST/Korvalith.exe" "$BIN/korvalith_payload_stub.exe" || fail "program bytes differ"
  cmp -s "$DEST/Korvalith.chm" "$KORVALITH_HELP_STANDIN" || fail "help bytes differ"
  [ ! -e "$DEST/License.txt" ] || fail "the licence text was installed"
  [ "$(stat -c %Y "$DEST/Korvalith.exe")" = "$(dos_time "$BIN/korvalith_payload_stub.exe")" ] ||
    fail "program date is not the member's date"
  [ "$(stat -c %Y "$DEST/Korvalith.chm")" = "$(dos_time "$KORVALITH_HELP_STANDIN")" ] ||
    fail "help date is not the member's date"
  [ -n "$(startup_link)" ] || fail "no Startup shortcut"
  mapfile -t lines < <(tr -d '\r' <"$LOG")
  [ "${#lines[@]}" = 4 ] || fail "log has ${#lines[@]} lines: ${lines[*]}"
  [ "${lines[0]}" = "Made Dir: $DEST_WIN\\" ] || fail "log line 1: ${lines[0]}"
  [ "${lines[1]}" = "File Copy: $DEST_WIN\\Korvalith.exe" ] || fail "log line 2: ${lines[1]}"
  [ "${lines[2]}" = "File Copy: $DEST_WIN\\Korvalith.chm" ] || fail "log line 3: ${lines[2]}"
  [[ "${lines[3]}" == 'File Copy: C:\users\'*'\Startup\Korvalith.lnk' ||
     "${lines[3]}" == 'File Copy: C:\users\'*'\StartUp\Korvalith.lnk' ]] || fail "log line 4: ${lines[3]}"
  [ "$(tail -c 2 "$LOG" | od -An -c | tr -d ' ')" = '\r\n' ] || fail "log does not end in CR LF"
  [ "$(reg_value 'HKCU\Software\Ostrevane\Korvalith' MAINDIR)" = "$DEST_WIN" ] || fail "MAINDIR"
  local un='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvalith'
  [ "$(reg_value "$un" DisplayName)" = "Korvalith" ] || fail "DisplayName"
  [ "$(reg_value "$un" UninstallString)" = "\"$DEST_WIN\\Korvalith.exe\" -ui" ] || fail "UninstallString"
}

expect_nothing_installed() {
  [ ! -e "$DEST" ] || fail "the destination folder was made"
  [ -z "$(reg_value 'HKCU\Software\Ostrevane\Korvalith' MAINDIR)" ] || fail "MAINDIR was written"
  [ -z "$(ls "$C"/users/*/AppData/Local/Temp/~KorvalithSetup* 2>/dev/null)" ] ||
    fail "temporary files left"
}

KORVALITH_HELP_STANDIN=$(dirname "$0")/payload_help.txt

case "$scenario" in
first_install)
  rm -f "$C/korvalith-started.txt"
  start_setup; wait_wizard
  wait_title "Welcome to the Korvalith Setup"
  click wizard "$NEXT"; wait_title "License Agreement"
  [ -n "$(probe gettext wizard 1013)" ] || fail "licence memo is empty"
  click wizard "$NEXT"; wait_title "Choose Destination Folder"
  [ "$(probe gettext wizard $DEST_EDIT)" = "$DEST_WIN" ] || fail "default destination: $(probe gettext wizard $DEST_EDIT)"
  click wizard "$NEXT"; wait_title "Ready to Install"
  click wizard "$NEXT"; wait_title "Installation Complete" 300
  wait_finish_button
  click wizard "$FINISH"; wait_setup_end
  grep -qF -- "\"$DEST_WIN\\Korvalith.exe\" -intro" "$C/korvalith-started.txt" 2>/dev/null ||
    fail "the program was not started with -intro"
  expect_first_install_results
  note "first installation: files, dates, log, registry, shortcut and start checked"

  # Second run into the same folder: nothing copied, no new log line.
  log_before=$(cat "$LOG")
  exe_ctime=$(stat -c %Z "$DEST/Korvalith.exe")
  chm_ctime=$(stat -c %Z "$DEST/Korvalith.chm")
  sleep 1.1
  start_setup; wait_wizard
  to_ready
  [ "$(probe gettext wizard $DEST_EDIT)" = "$DEST_WIN" ] || fail "MAINDIR was not proposed"
  click wizard "$NEXT"; wait_title "Installation Complete" 300
  wait_finish_button
  click wizard "$FINISH"; wait_setup_end
  [ "$(stat -c %Z "$DEST/Korvalith.exe")" = "$exe_ctime" ] || fail "program copied again"
  [ "$(stat -c %Z "$DEST/Korvalith.chm")" = "$chm_ctime" ] || fail "help copied again"
  [ "$(cat "$LOG")" = "$log_before" ] || fail "the log changed on the second run"
  note "second run: nothing copied, log unchanged"
  ;;
running_copy)
  out=$WINEPREFIX/copy.out
  (timeout -k 5 90 "$WB_LOADER" "$BIN/korvalith_setup_probe.exe" running-copy >"$out" 2>&1 </dev/null) &
  copy_pid=$!
  for i in $(seq 1 100); do [ "$(probe markers)" = 1 ] && break; sleep 0.1; done
  [ "$(probe markers)" = 1 ] || fail "the running copy did not start"
  start_setup; wait_wizard
  to_ready
  click wizard "$NEXT"; wait_title "Installation Complete" 300
  wait_finish_button
  probe wait dialog 300 >/dev/null && fail "a question appeared: $(probe dump dialog)"
  [ "$(probe markers)" = 0 ] || fail "the running copy is still marked"
  for i in $(seq 1 50); do kill -0 $copy_pid 2>/dev/null || break; sleep 0.1; done
  kill -0 $copy_pid 2>/dev/null && fail "the running copy did not end"
  [ -f "$DEST/Korvalith.exe" ] || fail "program not installed"
  click wizard "$FINISH"; wait_setup_end
  note "running copy closed before copying"
  ;;
stubborn_copy)
  (timeout -k 5 90 "$WB_LOADER" "$BIN/korvalith_setup_probe.exe" running-copy stubborn >/dev/null 2>&1 </dev/null) &
  copy_pid=$!
  for i in $(seq 1 100); do [ "$(probe markers)" = 1 ] && break; sleep 0.1; done
  start_setup; wait_wizard
  to_ready
  waited=$(probe clickwait wizard "$NEXT" dialog 15000 | tail -n 1)
  wait_dialog
  note "a copy that stays running is reported after $waited ms"
  [ "$waited" -ge 2900 ] || fail "asked after only $waited ms"
  dialog_says "Korvalith is still running"
  click dialog "&Retry"
  wait_dialog 15000
  click dialog "Cancel"
  probe gone dialog 5000 >/dev/null || fail "question stayed"
  wait_title "Ready to Install"
  [ ! -e "$DEST/Korvalith.exe" ] || fail "files were copied"
  [ ! -e "$LOG" ] || fail "a log was started"
  click wizard "Cancel"; wait_dialog; click dialog "&Abort"; wait_setup_end
  [ -z "$(reg_value 'HKCU\Software\Ostrevane\Korvalith' MAINDIR)" ] || fail "MAINDIR was written"
  kill $copy_pid 2>/dev/null
  note "a copy that does not close: Retry asks again, Cancel stays on the Ready page"
  ;;
locked_file)
  mkdir -p "$DEST"
  printf 'old program' >"$DEST/Korvalith.exe"
  touch -d '2001-01-01 10:00:00' "$DEST/Korvalith.exe"
  out=$WINEPREFIX/hold.out
  (timeout -k 5 90 "$WB_LOADER" "$BIN/korvalith_setup_probe.exe" hold "$DEST_WIN\\Korvalith.exe" 60 >"$out" 2>&1 </dev/null) &
  hold_pid=$!
  for i in $(seq 1 100); do grep -q held "$out" 2>/dev/null && break; sleep 0.1; done
  grep -q held "$out" || fail "could not hold the file"
  start_setup; wait_wizard
  to_ready
  waited=$(probe clickwait wizard "$NEXT" dialog 20000 | tail -n 1)
  wait_dialog
  note "the locked-file question came after $waited ms"
  [ "$waited" -ge 950 ] || fail "asked after only $waited ms, before the silent second"
  dialog_says "Cannot create file \"$DEST_WIN\\Korvalith.exe\"."
  dialog_says "Another application might already be using this file."
  click dialog "&Ignore"
  wait_finish_button
  [ "$(cat "$DEST/Korvalith.exe")" = "old program" ] || fail "the held file changed"
  [ -f "$DEST/Korvalith.chm" ] || fail "help file not installed after Ignore"
  click wizard "$FINISH"; wait_setup_end
  grep -qF "Korvalith.exe" <(grep -v '\.lnk' "$LOG") && fail "the skipped file was logged"
  grep -qF "Made Dir:" "$LOG" && fail "an existing folder was logged"
  grep -qF "File Copy: $DEST_WIN\\Korvalith.chm" "$LOG" || fail "help file not logged"
  kill $hold_pid 2>/dev/null
  note "Ignore went on without the locked file and without its log line"
  ;;
decline_and_cancel)
  start_setup; wait_wizard
  click wizard "$NEXT"; wait_title "License Agreement"
  click wizard "I do n&ot accept the terms of the above License Agreement"
  click wizard "$NEXT"; wait_dialog
  dialog_says "Do you really want to cancel the Korvalith install?"
  click dialog "&No"
  probe gone dialog 5000 >/dev/null || fail "question stayed"
  wait_title "License Agreement"
  click wizard "$NEXT"; wait_dialog
  click dialog "&Yes"; wait_setup_end
  expect_nothing_installed
  start_setup; wait_wizard
  click wizard "$NEXT"; wait_title "License Agreement"
  click wizard "$NEXT"; wait_title "Choose Destination Folder"
  click wizard "Cancel"; wait_dialog
  dialog_says "To quit this setup program, click Abort."
  click dialog "&No"
  probe gone dialog 5000 >/dev/null || fail "question stayed"
  wait_title "Choose Destination Folder"
  click wizard "Cancel"; wait_dialog; click dialog "&Abort"; wait_setup_end
  expect_nothing_installed
  note "declining the licence and cancelling install nothing"
  ;;
finish_close_box)
  rm -f "$C/korvalith-started.txt"
  start_setup; wait_wizard
  to_ready
  click wizard "$NEXT"; wait_title "Installation Complete" 300
  wait_finish_button
  probe closebox wizard >/dev/null
  wait_dialog
  dialog_says "Setup is not complete."
  click dialog "&Abort"; wait_setup_end
  expect_first_install_results
  [ ! -e "$C/korvalith-started.txt" ] || fail "the program was started"
  note "close box on the Finish page asked, then registry and log were written"
  ;;
damaged_trailer)
  for damage in trailer directory; do
    bad=$C/damaged-$damage.exe
    cp "$SETUP_EXE" "$bad"
    size=$(stat -c %s "$bad")
    if [ $damage = trailer ]; then
      pos=$((size - 1))
    else
      dir=$(od -An -t u4 -j $((size - 8)) -N 4 "$bad" | tr -d ' ')
      pos=$((dir + 4))
    fi
    printf '\x5a' | dd of="$bad" bs=1 seek=$pos conv=notrunc status=none
    start_setup "$bad"
    wait_dialog 30000
    dialog_says "This setup file is corrupt. If you downloaded it from the Web, please redownload it."
    probe wait wizard 300 >/dev/null && fail "the wizard opened"
    click dialog "OK"; wait_setup_end
    wb_wine 30 reg query 'HKCU\Software\Ostrevane\Korvalith' >/dev/null 2>&1 &&
      fail "the settings key was made"
    [ ! -e "$DEST" ] || fail "files were written"
    note "damaged $damage: only the corrupt-file message"
  done
  ;;
bench)
  launch=$(cd "$BIN" && probe launch korvalith10_test.exe 30000 | tail -n 1) || fail "no wizard"
  to_ready
  install=$(probe clickwait wizard "$NEXT" finish 60000 | tail -n 1) || fail "no Finish button"
  click wizard "$FINISH"
  probe gone wizard 10000 >/dev/null
  echo "bench: launch to wizard visible: $launch ms"
  echo "bench: install step (Next on the Ready page to a usable Finish button): $install ms"
  echo "bench: korvalith10.exe without its archive: $(stat -c %s "$image") bytes"
  echo "bench: korvalith10.exe with its archive: $(stat -c %s "$BIN/korvalith10.exe" 2>/dev/null || echo '?') bytes"
  ;;
*)
  fail "unknown scenario"
  ;;
esac
exit 0
