#!/usr/bin/env bash
# The call-up through the popup button: a focused password edit of another program gets the
# 18 x 18 button at its right; a click on it brings the window up with "Insert", and four
# pictures and Enter put the derived password into the password edit.
set -u
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"

start_korvalith || { fail "Korvalith did not start"; finish; exit; }
start_target password || { fail "target_app did not start"; finish; exit; }
find_desktop || fail "no Wine desktop window"

read -r left top right bottom < <(e2e popup 10000)
if [ -z "${bottom:-}" ]; then
  fail "no popup button beside the password edit"
  finish
  exit
fi
expect "popup button is 18 x 18" "18x18" "$((right - left))x$((bottom - top))"
click_at $(((left + right) / 2)) $(((top + bottom) / 2))
e2e shown 10000 && ok "popup click shows the window" || { fail "popup click did not show it"; finish; exit; }
expect "Insert for the password edit" "visible=1 button=Insert" "$(probe state)"
expect "target window disabled while shown" 0 "$(e2e enabled "$target_top")"
expect "popup button gone" "" "$(e2e popup 0)"

main_origin || fail "no main window position"
select_pictures 6:0,0 6:7,0 6:0,7 6:7,7
want=$(expected_password 3)
expect "password line shows the derived password" "$want" "$(e2e password)"

press_key Return
e2e hidden 10000 && ok "Enter hides the window" || fail "window still shown after Enter"
expect "password edit holds the password" "$want" "$(target_text)"
expect "target window enabled again" 1 "$(e2e enabled "$target_top")"
expect "target window in the foreground again" "$target_top" "$(e2e foreground)"

finish
