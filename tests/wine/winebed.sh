#!/usr/bin/env bash
# The Wine test bed: a template prefix made once per run (on a private Xvfb), then one prefix
# and one private Xvfb per test group.
#
#   winebed.sh start STATE                       start Xvfb and make the template prefix
#   winebed.sh run STATE GROUP TIMEOUT EXE ARGS  run EXE in a fresh copy of the template
#   winebed.sh stop STATE                        end the prefixes' servers and the Xvfb
#   source winebed.sh; wb_group_begin            (scripts) a fresh prefix for $WINEBED_GROUP
#
# Only processes this bed started are ended: Xvfb by its PID, wineservers by their prefix.

wb_log() { echo "winebed: $*" >&2; }

# Which Wine can run here: the 32-bit loader where the machine executes 32-bit code,
# otherwise 64-bit Wine (the Windows programs are then built for x86_64 as well).
# 32-bit Wine where it runs, unless KORVALITH_WINE64 asks for the 64-bit one (see
# tools/wine-build-dir.sh, which picks the matching build).
wb_detect_wine() {
  if [ -z "${KORVALITH_WINE64:-}" ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    WB_ARCH=win32 WB_LOADER=/usr/lib/wine/wine WB_SERVER=/usr/lib/wine/wineserver32
    [ -x "$WB_SERVER" ] || WB_SERVER=/usr/lib/wine/wineserver
  elif /usr/lib/wine/wine64 --version >/dev/null 2>&1; then
    WB_ARCH=win64 WB_LOADER=/usr/lib/wine/wine64 WB_SERVER=/usr/lib/wine/wineserver64
  else
    wb_log "no runnable Wine found"
    return 1
  fi
}

wb_env() {
  local state=$1
  [ -f "$state/env" ] || { wb_log "bed not started ($state/env missing)"; return 1; }
  # shellcheck disable=SC1091
  . "$state/env"
  export DISPLAY=$WB_DISPLAY WINEARCH=$WB_ARCH WINELOADER=$WB_LOADER WINESERVER=$WB_SERVER
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  unset WAYLAND_DISPLAY
}

wb_free_display() {
  local n
  for n in $(seq 100 199); do
    if [ ! -e /tmp/.X$n-lock ] && [ ! -e /tmp/.X11-unix/X$n ]; then
      echo $n
      return 0
    fi
  done
  return 1
}

wb_make_template() {
  local prefix=$1
  export WINEPREFIX=$prefix
  timeout 180 "$WB_LOADER" wineboot -i >/dev/null 2>&1 </dev/null
  timeout 60 "$WB_SERVER" -w
  # Wine's own fonts (Tahoma, MS Sans Serif, ...) are not picked up by Debian's Wine otherwise.
  mkdir -p "$prefix/drive_c/windows/Fonts"
  cp -n /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
  # Real user folders instead of links into the Linux home folder.
  local user_dir
  for user_dir in "$prefix"/drive_c/users/*/; do
    local d
    for d in Desktop Documents Downloads Music Pictures Videos Templates; do
      if [ -L "$user_dir$d" ]; then
        rm -f "$user_dir$d"
        mkdir -p "$user_dir$d"
      fi
    done
  done
  local reg=$prefix/drive_c/winebed.reg
  printf '%s\r\n' 'REGEDIT4' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Explorer]' '"Desktop"="Default"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' '"Default"="1024x768"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' '' >"$reg"
  timeout 60 "$WB_LOADER" regedit /S 'C:\winebed.reg' >/dev/null 2>&1 </dev/null
  rm -f "$reg"
  timeout 60 "$WB_SERVER" -w
  timeout 30 "$WB_SERVER" -k 2>/dev/null || true
}

wb_start() {
  local state=$1
  mkdir -p "$state"
  wb_stop "$state" 2>/dev/null || true
  wb_detect_wine || return 1
  local n
  n=$(wb_free_display) || { wb_log "no free X display"; return 1; }
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
  local xpid=$!
  local i
  for i in $(seq 1 100); do
    if xdpyinfo -display ":$n" >/dev/null 2>&1; then break; fi
    sleep 0.1
  done
  xdpyinfo -display ":$n" >/dev/null 2>&1 || { wb_log "Xvfb :$n did not start"; kill "$xpid"; return 1; }
  cat >"$state/env" <<ENV
WB_DISPLAY=:$n
WB_XVFB_PID=$xpid
WB_ARCH=$WB_ARCH
WB_LOADER=$WB_LOADER
WB_SERVER=$WB_SERVER
ENV
  wb_env "$state" || return 1
  rm -rf "$state/template" "$state/prefixes"
  mkdir -p "$state/prefixes"
  wb_make_template "$state/template"
  [ -f "$state/template/system.reg" ] || { wb_log "template prefix was not made"; return 1; }
  wb_log "display :$n, $WB_ARCH prefix ready"
}

wb_stop() {
  local state=$1
  [ -f "$state/env" ] || return 0
  wb_env "$state" || return 0
  local p
  for p in "$state"/prefixes/* "$state/template"; do
    [ -d "$p" ] && WINEPREFIX=$p wb_end_prefix
  done
  if [ -n "${WB_XVFB_PID:-}" ] && kill -0 "$WB_XVFB_PID" 2>/dev/null; then
    kill "$WB_XVFB_PID"
  fi
  [ -z "${WINEBED_KEEP:-}" ] && rm -rf "$state/prefixes" "$state/template"
  rm -f "$state/env"
  return 0
}

# Starts an Xvfb of the group's own, on a display number the server picks itself (so that
# groups running side by side never race for one), and exports DISPLAY for it. Keys and
# pointer moves of one group can then never reach another group's windows.
wb_group_display() {
  local prefix=$1
  local numfile=$prefix/.display
  rm -f "$numfile"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numfile" >"$prefix/.xvfb.log" 2>&1 &
  echo $! >"$prefix/.xvfb.pid"
  local i n=
  for i in $(seq 1 100); do
    n=$(tr -dc '0-9' <"$numfile" 2>/dev/null)
    if [ -n "$n" ] && xdpyinfo -display ":$n" >/dev/null 2>&1; then break; fi
    n=
    sleep 0.1
  done
  [ -n "$n" ] || { wb_log "the group's Xvfb did not start"; return 1; }
  export DISPLAY=:$n
}

# Makes a fresh prefix for one test group and exports WINEPREFIX and DISPLAY for it.
wb_new_prefix() {
  local state=$1 group=$2
  local prefix=$state/prefixes/$group
  if [ -d "$prefix" ]; then
    WINEPREFIX=$prefix wb_end_prefix
    rm -rf "$prefix"
  fi
  cp -a "$state/template" "$prefix"
  export WINEPREFIX=$prefix
  wb_group_display "$prefix" || return 1
  # Keep the server up for the whole test: later program starts are much faster.
  "$WB_SERVER" -p
}

wb_end_prefix() {
  [ -n "${WINEPREFIX:-}" ] || return 0
  timeout 30 "$WB_SERVER" -k 2>/dev/null
  local pidfile=$WINEPREFIX/.xvfb.pid
  if [ -f "$pidfile" ]; then
    local pid
    pid=$(cat "$pidfile")
    kill "$pid" 2>/dev/null
    rm -f "$pidfile"
  fi
  return 0
}

# A prefix is a copy of the whole template (hundreds of MB): it goes when its test has ended,
# unless WINEBED_KEEP is set (to look into it after a failure).
wb_remove_prefix() {
  [ -n "${WINEPREFIX:-}" ] && [ -z "${WINEBED_KEEP:-}" ] && rm -rf "$WINEPREFIX"
  return 0
}

wb_run() {
  local state=$1 group=$2 limit=$3
  shift 3
  wb_env "$state" || return 1
  wb_new_prefix "$state" "$group"
  local log=$WINEPREFIX/test-output.log
  local dir
  dir=$(dirname "$1")
  (cd "$dir" && timeout -k 5 "$limit" "$WB_LOADER" "$@" >"$log" 2>&1 </dev/null)
  local rc=$?
  wb_end_prefix
  tr -d '\r' <"$log"
  if [ $rc -eq 124 ] || [ $rc -eq 137 ]; then
    wb_log "$group: time limit of ${limit}s reached"
  fi
  wb_remove_prefix
  return $rc
}

# For test scripts: the bed's environment and a fresh prefix for this group, ended on exit.
wb_group_begin() {
  wb_env "$WINEBED_STATE" || exit 1
  wb_new_prefix "$WINEBED_STATE" "$WINEBED_GROUP"
  trap 'wb_end_prefix; wb_remove_prefix' EXIT
}

# Runs a Windows program in the group's prefix with a time limit, output to stdout.
wb_wine() {
  local limit=$1
  shift
  local out
  out=$(mktemp)
  timeout -k 5 "$limit" "$WB_LOADER" "$@" >"$out" 2>&1 </dev/null
  local rc=$?
  tr -d '\r' <"$out"
  rm -f "$out"
  return $rc
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  cmd=${1:-}
  shift || true
  case "$cmd" in
    start) wb_start "$@" ;;
    stop) wb_stop "$@" ;;
    run) wb_run "$@" ;;
    *) echo "usage: winebed.sh start|run|stop STATE ..." >&2; exit 2 ;;
  esac
fi
