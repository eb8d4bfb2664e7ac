#!/usr/bin/env bash
# The real Korvalith.exe under Wine: hidden start with its marker, the silent second copy, the
# hot key, Escape, the tray menu's "&Close", the close request, the end of the session and the
# command line's exact switches.
set -u
# shellcheck disable=SC1090
source "$WINEBED"
wb_group_begin

BIN=$KORVALITH_BIN
PROGRAM=$BIN/Korvalith.exe
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }
probe() { wb_wine 30 "$BIN/shell_probe.exe" "$@"; }
# Presses the hot key and waits for the could-not-detect dialog, printing it; on a loaded
# machine the first key can be lost while Wine is still busy, so it is pressed once more
# (a press while the window is up is ignored, so the retry cannot show it twice).
hot_key_dialog() {
  local shown
  timeout 10 xdotool key --clearmodifiers ctrl+alt+p
  shown=$(probe dialog 10000) && { echo "$shown"; return 0; }
  timeout 10 xdotool key --clearmodifiers ctrl+alt+p
  probe dialog 20000
}
visibility() { local s; s=$(probe state); echo "${s%% *}"; }
expect() {  # expect WHAT EXPECTED ACTUAL
  if [ "$3" = "$2" ]; then ok "$1"; else fail "$1: expected [$2], got [$3]"; fi
}

pid=
start_program() {
  "$WB_LOADER" "$PROGRAM" "$@" >>"$WINEPREFIX/program.log" 2>&1 </dev/null &
  pid=$!
}
running() { kill -0 "$pid" 2>/dev/null; }
wait_end() {  # the program's Wine process ends within the seconds given
  local i
  for i in $(seq 1 $(($1 * 10))); do
    running || return 0
    sleep 0.1
  done
  return 1
}
stop_program() {
  probe close >/dev/null
  wait_end 10 || kill "$pid" 2>/dev/null
  # A next start must not find this copy's marker still there and end as a second copy.
  probe wait-gone 10000 >/dev/null
}

ini=$WINEPREFIX/drive_c/users/$(id -un)/Documents/Korvalith.ini

# Start: hidden, marked, settings written once.
start_program
expect "starts hidden with its marker" "marker visible=0" "$(probe wait-marker 15000)"
# The marker comes with the window's handle, the first save a moment later.
for i in $(seq 1 50); do [ -f "$ini" ] && break; sleep 0.1; done
[ -f "$ini" ] && ok "first start saved the settings" || fail "no settings file at $ini"

# A second copy ends at once and reads or writes nothing: the removed settings file stays away.
rm -f "$ini"
if timeout 20 "$WB_LOADER" "$PROGRAM" >/dev/null 2>&1 </dev/null; then
  ok "second copy ended by itself"
else
  fail "second copy did not end"
fi
[ -f "$ini" ] && fail "second copy wrote the settings" || ok "second copy left the settings alone"
expect "first copy still hidden" "visible=0" "$(visibility)"

# The hot key shows the window for no target: "Copy" and the could-not-detect message.
expect "hot key: could-not-detect message" \
  "Korvalith|Korvalith could not detect the target password box.\\rKorvalith can copy the password onto the Windows clipboard so that you can paste it manually." \
  "$(hot_key_dialog)"
expect "hot key shows the window in Copy mode" "visible=1 button=Copy" "$(probe state)"
probe press OK >/dev/null
sleep 0.5
# The hot key again while shown: nothing.
timeout 10 xdotool key --clearmodifiers ctrl+alt+p
sleep 1
if probe dialog 500 >/dev/null; then fail "hot key while shown asked again"; probe press OK >/dev/null; else ok "hot key while shown ignored"; fi

# Escape hides, and the program keeps running.
desktop=$(timeout 10 xdotool search --name "Wine desktop" | head -n 1)
[ -n "$desktop" ] && timeout 10 xdotool windowfocus "$desktop" 2>/dev/null
timeout 10 xdotool key Escape
sleep 1
expect "Escape hides" "visible=0" "$(visibility)"
running && ok "still running after Escape" || fail "ended on Escape"

# "&Options..." from the tray menu opens the dialog with the hot key suspended; after Cancel
# the hot key calls the window up again.
probe tray 513 >/dev/null
read -r left top right bottom < <(probe menu 5000)
if [ -n "${bottom:-}" ]; then
  timeout 10 xdotool mousemove $(((left + right) / 2)) $((top + (bottom - top) / 6)) click 1
  if probe title 10000 "Korvalith Options"; then
    ok "tray menu opens the Options dialog"
    [ -n "$desktop" ] && timeout 10 xdotool windowfocus "$desktop" 2>/dev/null
    timeout 10 xdotool key Escape
    # As with the hot key, a first Escape can be lost on a loaded machine.
    if probe no-title 5000 "Korvalith Options" ||
      { timeout 10 xdotool key Escape; probe no-title 15000 "Korvalith Options"; }; then
      ok "Escape cancels the Options dialog"
    else
      fail "Options dialog stays"
    fi
    if hot_key_dialog >/dev/null; then
      ok "hot key registered again after the dialog"
      probe press OK >/dev/null
      sleep 0.5
      timeout 10 xdotool key Escape
      sleep 1
    else
      fail "hot key lost after the dialog"
    fi
  else
    fail "no Options dialog"
  fi
else
  fail "no tray menu for Options"
fi
expect "hidden again" "visible=0" "$(visibility)"

# Closing the window without a real close only hides it.
probe post-close >/dev/null
sleep 1
running && ok "a plain close keeps it running" || fail "a plain close ended it"

# The tray menu opens on a right click and "&Close" ends the program.
probe tray 516 >/dev/null
read -r left top right bottom < <(probe menu 5000)
if [ -n "${bottom:-}" ]; then
  ok "tray click opens the menu"
  # Three items of equal height: the third one's middle.
  timeout 10 xdotool mousemove $(((left + right) / 2)) $((top + (bottom - top) * 5 / 6)) click 1
  wait_end 10 && ok "tray menu Close ends the program" || { fail "tray menu Close did not end it"; stop_program; }
else
  fail "no tray menu"
  stop_program
fi
expect "no marker after the end" "" "$(probe wait-gone 5000 && echo)"

# The close request ends the program.
start_program
probe wait-marker 15000 >/dev/null
probe close >/dev/null
wait_end 10 && ok "close request ends the program" || { fail "close request did not end it"; kill "$pid"; }

# Logging off: WM_QUERYENDSESSION is answered 1 and a following close ends the program.
start_program
probe wait-marker 15000 >/dev/null
expect "WM_QUERYENDSESSION answered" "1" "$(probe queryend)"
probe post-close >/dev/null
wait_end 10 && ok "close after the end-of-session query ends it" || { fail "still running"; stop_program; }

# Switches count only exactly and alone: these are normal starts.
for args in "-UI" "-ui x" "-Intro"; do
  # shellcheck disable=SC2086
  start_program $args
  if probe wait-marker 15000 >/dev/null; then ok "'$args' is a normal start"; else fail "'$args' did not start normally"; fi
  stop_program
done

# "-intro": the introduction is due only at the first start in registry mode. A copy of the
# program without its help file shows that it was asked for by the missing-file warning.
mkdir -p "$WINEPREFIX/drive_c/kr"
cp "$PROGRAM" "$WINEPREFIX/drive_c/kr/"
PROGRAM='C:\kr\Korvalith.exe'
missing_help='Korvalith|Cannot find the Help file\r"C:\kr\Korvalith.chm".\rYou might have to reinstall it.'
start_program -intro
probe wait-marker 15000 >/dev/null
if probe dialog 2000 >/dev/null; then fail "-intro in INI mode asked for the introduction"; else ok "-intro in INI mode: no introduction"; fi
stop_program
timeout 30 "$WB_LOADER" reg add 'HKCU\Software\Wine' /v Version /d winxp /f >/dev/null 2>&1 </dev/null
start_program -intro
expect "-intro at the first start in registry mode shows the introduction" "$missing_help" "$(probe dialog 15000)"
probe press OK >/dev/null
stop_program
start_program -intro
probe wait-marker 15000 >/dev/null
if probe dialog 2000 >/dev/null; then fail "-intro again asked for the introduction"; else ok "-intro at a later start: no introduction"; fi
stop_program

echo "failures: $failures"
[ "$failures" -eq 0 ]
