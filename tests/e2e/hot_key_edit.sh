#!/usr/bin/env bash
# The whole call-up with the real Korvalith.exe: the hot key over another program's focused
# edit box brings the picture window up with "Insert" and that program disabled; four pictures
# from two categories and Enter put exactly the derived password into the box.
set -u
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"

start_korvalith || { fail "Korvalith did not start"; finish; exit; }
start_target edit text=old || { fail "target_app did not start"; finish; exit; }
find_desktop || fail "no Wine desktop window"

if hot_key_shows; then
  ok "hot key shows the picture window"
else
  fail "hot key did not show the window"
  finish
  exit
fi
expect "Insert for a target box" "visible=1 button=Insert" "$(probe state)"
expect "target window disabled while shown" 0 "$(e2e enabled "$target_top")"
probe dialog 1000 >/dev/null && fail "a message dialog came up for a known target"

main_origin || fail "no main window position"
select_pictures 0:0,0 0:3,1 0:7,7 2:4,2
want=$(expected_password 3)
expect "password line shows the derived password" "$want" "$(e2e password)"

press_key Return
e2e hidden 10000 && ok "Enter hides the window" || fail "window still shown after Enter"
expect "target box holds the password" "$want" "$(target_text)"
expect "target window enabled again" 1 "$(e2e enabled "$target_top")"
expect "target window in the foreground again" "$target_top" "$(e2e foreground)"

finish
