#!/usr/bin/env bash
# The Options dialog with the real Korvalith.exe: a new hot key typed into the field and OK
# moves the global hot key and saves it; a cleared field stores 0 and leaves no hot key; at
# 120 pixels per inch the run-time check box is scaled with the screen.
set -u
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/../e2e/e2e_lib.sh"

options() { wb_wine 30 "$BIN/options_probe.exe" "$@"; }
ini=$WINEPREFIX/drive_c/users/$(id -un)/Documents/Korvalith.ini
# The value of a key in the INI file's "General" section.
ini_value() {
  tr -d '\r' <"$ini" 2>/dev/null |
    awk -F= -v key="$1" '/^\[/ { general = ($0 == "[General]") } general && $1 == key { print $2 }'
}

# Ctrl+Shift+K as a shortcut value: key code 0x4B with 0x2000 for Shift and 0x4000 for Ctrl.
NEW_HOT_KEY=24651

# Presses a key on the virtual desktop and reports whether the could-not-detect dialog (the
# window called up with no target) came; it is dismissed and the window hidden again. A first
# press can be lost on a loaded machine, so an awaited one is pressed once more.
calls_up() {  # calls_up KEYS WAIT_MS
  timeout 10 xdotool windowfocus "$desktop" 2>/dev/null
  timeout 10 xdotool key --clearmodifiers "$1"
  if ! probe dialog "$2" >/dev/null; then
    timeout 10 xdotool key --clearmodifiers "$1"
    probe dialog "$2" >/dev/null || return 1
  fi
  probe press OK >/dev/null
  sleep 0.5
  timeout 10 xdotool windowfocus "$desktop" 2>/dev/null
  timeout 10 xdotool key Escape
  e2e hidden 5000 >/dev/null
  return 0
}

# "&Options..." from the tray menu: the first of its three items.
open_options() {
  local left top right bottom
  probe tray 513 >/dev/null
  read -r left top right bottom < <(probe menu 5000)
  [ -n "${bottom:-}" ] || return 1
  click_at $(((left + right) / 2)) $((top + (bottom - top) / 6))
  probe title 10000 "Korvalith Options"
}
close_options() {  # close_options CAPTION
  options click "$1" >/dev/null && probe no-title 10000 "Korvalith Options"
}
# Clicks into the hot key field and presses KEYS there.
type_hot_key() {  # type_hot_key KEYS
  local x y
  read -r x y < <(options field)
  [ -n "${y:-}" ] || return 1
  click_at "$x" "$y"
  timeout 10 xdotool key "$1"
  sleep 0.5
}

start_korvalith || { fail "Korvalith did not start"; finish; exit; }
find_desktop || fail "no Wine desktop window"

# A new hot key: typed into the field, OK, then it calls the window up and the old one not.
if open_options; then
  ok "tray menu opens the Options dialog"
  type_hot_key ctrl+shift+k || fail "no hot key field"
  # The field's own form: the key code with HOTKEYF_SHIFT | HOTKEYF_CONTROL in the high byte.
  expect "field holds Ctrl+Shift+K" $((0x034B)) "$(options hotkey)"
  close_options OK && ok "OK closes the dialog" || fail "OK did not close the dialog"
  expect "new hot key saved" "$NEW_HOT_KEY" "$(ini_value HotKey)"
  sleep 0.5
  if calls_up ctrl+alt+p 3000; then fail "the old hot key still calls the window up"; else ok "old hot key gone"; fi
  calls_up ctrl+shift+k 10000 && ok "new hot key calls the window up" || fail "new hot key does nothing"
else
  fail "no Options dialog"
fi

# A cleared field: OK stores 0 and no hot key is left.
if open_options; then
  expect "field starts from the settings" $((0x034B)) "$(options hotkey)"
  type_hot_key BackSpace || fail "no hot key field"
  expect "BackSpace clears the field" 0 "$(options hotkey)"
  close_options OK || fail "OK did not close the dialog"
  expect "cleared hot key saved as 0" 0 "$(ini_value HotKey)"
  sleep 0.5
  if calls_up ctrl+shift+k 3000; then fail "cleared: Ctrl+Shift+K still calls up"; else ok "cleared: Ctrl+Shift+K does nothing"; fi
  if calls_up ctrl+alt+p 3000; then fail "cleared: Ctrl+Alt+P calls up"; else ok "cleared: Ctrl+Alt+P does nothing"; fi
else
  fail "no Options dialog the second time"
fi
stop_korvalith
probe wait-gone 10000 >/dev/null

# 120 pixels per inch, read by processes started afterwards.
timeout 30 "$WB_LOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 120 /f \
  >/dev/null 2>&1 </dev/null
start_korvalith || { fail "Korvalith did not start at 120 dpi"; finish; exit; }
if open_options; then
  expect "check box at 120 dpi: left top width height" "13 149 375 38" "$(options check)"
  close_options Cancel || fail "Cancel did not close the dialog"
else
  fail "no Options dialog at 120 dpi"
fi

finish
