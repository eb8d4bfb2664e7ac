#!/usr/bin/env bash
# The call-up with no target box: the hot key over the bare desktop brings the window up in
# "Copy" mode with the could-not-detect message; pictures, a shorter length class and Enter put
# the derived password on the clipboard and hide the window.
set -u
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"

start_korvalith || { fail "Korvalith did not start"; finish; exit; }
find_desktop || fail "no Wine desktop window"

timeout 10 xdotool key --clearmodifiers ctrl+alt+p
shown=$(probe dialog 10000) || {
  timeout 10 xdotool key --clearmodifiers ctrl+alt+p
  shown=$(probe dialog 20000)
}
expect "could-not-detect message" \
  "Korvalith|Korvalith could not detect the target password box.\\rKorvalith can copy the password onto the Windows clipboard so that you can paste it manually." \
  "$shown"
expect "Copy without a target box" "visible=1 button=Copy" "$(probe state)"
probe press OK >/dev/null
sleep 0.5

main_origin || fail "no main window position"
select_pictures 3:0,0 3:1,0 3:2,0 3:3,0 5:6,3
click_length 1
want=$(expected_password 1)
expect "password line shows the derived password" "$want" "$(e2e password)"

press_key Return
e2e hidden 10000 && ok "Enter hides the window" || fail "window still shown after Enter"
expect "clipboard holds the password" "$want" "$(e2e clipboard)"

finish
