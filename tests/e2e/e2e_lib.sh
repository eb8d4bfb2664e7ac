# Shared steps of the call-up scripts, sourced after the bed: the running Korvalith, the target
# program, the real pointer and keys on the group's display, and the expected password.
# shellcheck shell=bash disable=SC1090,SC2034
source "$WINEBED"
wb_group_begin

BIN=$KORVALITH_BIN
failures=0
# The first failure also leaves a picture of the screen in the prefix for a look afterwards.
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
  [ "$failures" -eq 1 ] && screenshot "$WINEPREFIX/failure.png" && echo "screen: $WINEPREFIX/failure.png"
}
ok() { echo "ok: $*"; }
expect() {  # expect WHAT EXPECTED ACTUAL
  if [ "$3" = "$2" ]; then ok "$1"; else fail "$1: expected [$2], got [$3]"; fi
}
probe() { wb_wine 30 "$BIN/shell_probe.exe" "$@"; }
e2e() { wb_wine 30 "$BIN/e2e_probe.exe" "$@"; }
finish() {
  echo "failures: $failures"
  [ "$failures" -eq 0 ]
}

# Board and category-button geometry in the main window's client area (pixels).
BOARD_LEFT=89 BOARD_TOP=2 CELL_W=81 CELL_H=56
CAT_LEFT=5 CAT_TOP=5 CAT_STEP=56 CAT_W=74 CAT_H=52
LENGTH_LEFT=(234 286 343 399) LENGTH_TOP=462
CATEGORIES=(Animals Calendar Cars Characters Countries Food Names Sports)

korvalith_pid=
start_korvalith() {
  "$WB_LOADER" "$BIN/Korvalith.exe" >>"$WINEPREFIX/korvalith.log" 2>&1 </dev/null &
  korvalith_pid=$!
  probe wait-marker 20000 >/dev/null
}
stop_korvalith() {
  [ -n "$korvalith_pid" ] || return 0
  probe close >/dev/null
  local i
  for i in $(seq 1 50); do
    kill -0 "$korvalith_pid" 2>/dev/null || return 0
    sleep 0.1
  done
  kill "$korvalith_pid" 2>/dev/null
}

# target_app in the background; sets target_top, target_box (hexadecimal handles).
target_pid='' target_out='' target_top='' target_box=''
start_target() {
  target_out=$WINEPREFIX/target-$1.out
  "$WB_LOADER" "$BIN/target_app.exe" "$@" >"$target_out" 2>&1 </dev/null &
  target_pid=$!
  local i line
  for i in $(seq 1 200); do
    line=$(tr -d '\r' <"$target_out" | grep -m1 '^ready ')
    [ -n "$line" ] && break
    sleep 0.1
  done
  target_top=$(sed -n 's/.*top=\([0-9a-f]*\).*/\1/p' <<<"$line")
  target_box=$(sed -n 's/.*box=\([0-9a-f]*\).*/\1/p' <<<"$line")
  [ -n "$target_box" ]
}
stop_target() { [ -n "$target_pid" ] && kill "$target_pid" 2>/dev/null; }
# The last text the target reported for its box, waiting up to 10 s for a first report.
target_text() {
  local i
  for i in $(seq 1 100); do
    grep -q '^box ' "$target_out" && break
    sleep 0.1
  done
  tr -d '\r' <"$target_out" | sed -n 's/^box [^ ]* = //p' | tail -n 1
}

# Windows screen coordinates to X: the virtual desktop's place on the X screen.
desktop_x=0 desktop_y=0
find_desktop() {
  desktop=$(timeout 10 xdotool search --name "Wine desktop" | head -n 1)
  [ -n "$desktop" ] || return 1
  eval "$(timeout 10 xdotool getwindowgeometry --shell "$desktop" | grep -E '^(X|Y)=')"
  desktop_x=${X:-0} desktop_y=${Y:-0}
}
click_at() {  # click_at SCREEN_X SCREEN_Y
  timeout 10 xdotool mousemove $((desktop_x + $1)) $((desktop_y + $2)) click 1
  sleep 0.3
}
# Sets client_x, client_y: the main window's client origin on the Windows screen.
main_origin() { read -r client_x client_y < <(e2e origin); [ -n "${client_y:-}" ]; }
click_category() {  # click_category INDEX
  click_at $((client_x + CAT_LEFT + CAT_W / 2)) $((client_y + CAT_TOP + CAT_STEP * $1 + CAT_H / 2))
}
click_cell() {  # click_cell COLUMN ROW
  click_at $((client_x + BOARD_LEFT + CELL_W * $1 + 2 + CELL_W / 2)) \
    $((client_y + BOARD_TOP + CELL_H * $2 + 2 + CELL_H / 2))
}
# Picks pictures given as "CATEGORY:COLUMN,ROW", a category button before each change of
# category, and collects korvalith-derive's "Name:row,column" arguments in derive_args.
derive_args=()
select_pictures() {
  local current=-1 pick cat col row
  for pick in "$@"; do
    cat=${pick%%:*} col=${pick#*:} col=${col%,*} row=${pick##*,}
    if [ "$cat" != "$current" ]; then click_category "$cat"; current=$cat; fi
    click_cell "$col" "$row"
    derive_args+=("${CATEGORIES[$cat]}:$row,$col")
  done
}
click_length() {  # click_length CLASS: the radio button's round mark
  click_at $((client_x + LENGTH_LEFT[$1] + 7)) $((client_y + LENGTH_TOP + 8))
}
expected_password() { wb_wine 30 "$BIN/korvalith-derive.exe" --class "$1" "${derive_args[@]}"; }

press_key() {  # keys reach Wine's windows while the X focus is on the virtual desktop
  timeout 10 xdotool windowfocus "$desktop" 2>/dev/null
  timeout 10 xdotool key --clearmodifiers "$1"
}
# Presses the hot key until the main window is shown; on a loaded machine the first press can
# be lost while Wine is still busy (a press while the window is up is ignored).
hot_key_shows() {
  timeout 10 xdotool key --clearmodifiers ctrl+alt+p
  e2e shown 10000 && return 0
  timeout 10 xdotool key --clearmodifiers ctrl+alt+p
  e2e shown 20000
}
screenshot() {  # screenshot FILE
  timeout 20 import -display "$DISPLAY" -window root "$1" 2>/dev/null
}
cleanup() {
  local rc=$?
  stop_korvalith
  stop_target
  wb_end_prefix
  # A failed run keeps its prefix (with failure.png) to look into.
  [ "$rc" -eq 0 ] && wb_remove_prefix
  return "$rc"
}
trap cleanup EXIT
