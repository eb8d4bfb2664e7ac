#!/usr/bin/env bash
# korvalith-derive.exe under Wine gives the frozen password of pictures 0..3 in any order,
# refuses a repeated picture with status 2 and nothing on stdout.
set -u
# shellcheck disable=SC1090
source "$WINEBED"
wb_group_begin

exe=$KORVALITH_BIN/korvalith-derive.exe
# The frozen answer of the known-answer table (pictures 0, 1, 2, 3, class 3).
expected=pYc0qftRUfV5ofr1LSJbIpkJnHJTDLKv8Vo7pIanS4NLXw3m1UXwv6CLKXHPrj
failures=0

check() {
  local what=$1 got=$2 want=$3
  if [ "$got" = "$want" ]; then
    echo "ok: $what"
  else
    echo "FAIL: $what: got '$got', want '$want'"
    failures=$((failures + 1))
  fi
}

ascending=$(wb_wine 30 "$exe" --class 3 0 1 2 3)
check "ascending exit status" "$?" 0
descending=$(wb_wine 30 "$exe" --class 3 3 2 1 0)
check "ascending password" "$ascending" "$expected"
check "descending password" "$descending" "$expected"
by_caption=$(wb_wine 30 "$exe" animals:0,3 Animals:0,2 ANIMALS:0,1 animals:0,0)
check "pictures by caption" "$by_caption" "$expected"

out=$WINEPREFIX/repeat.out
err=$WINEPREFIX/repeat.err
timeout -k 5 30 "$WB_LOADER" "$exe" 0 1 2 2 >"$out" 2>"$err" </dev/null
check "repeated picture exit status" "$?" 2
check "repeated picture stdout" "$(cat "$out")" ""
grep -q "'2'" "$err" || { echo "FAIL: stderr does not name the argument: $(cat "$err")"; failures=$((failures + 1)); }

exit $((failures > 0))
