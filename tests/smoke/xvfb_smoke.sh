#!/usr/bin/env bash
# The program in a real X display: it opens an 800x600 window titled
# "Kalmot", Esc typed into it ends it with exit code 0, and its log holds
# exactly the two status lines of a normal run.
# Usage: xvfb_smoke.sh <path of the kalmot executable>   (run from the repository root)
set -uo pipefail
exe="$1"
log="${exe}.log"
work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.err" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.err")"
export DISPLAY=":$(cat "$work/display")"
unset SDL_VIDEODRIVER
# Driver modules that SDL loads for X11 and unloads again leave allocations
# that the leak checker cannot attribute; our own leaks are checked by the
# suite's in-process tests.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

"$exe" &
app_pid=$!

window="$(timeout 20 xdotool search --sync --name '^Kalmot$' | head -n 1)"
[ -n "$window" ] || fail "no window titled Kalmot appeared"
geometry="$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: *//p')"
[ "$geometry" = "800x600" ] || fail "the window is $geometry, not 800x600"

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --clearmodifiers Escape

for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "Esc did not end the program"
wait "$app_pid"
code=$?
app_pid=""
[ "$code" -eq 0 ] || fail "exit code $code"

[ "$(wc -l <"$log")" -eq 2 ] || fail "the log holds $(wc -l <"$log") lines: $(cat "$log")"
grep -q $'^STATUS INFO : @ [0-9][0-9]:[0-9][0-9]:[0-9][0-9] MSG : Starting Application IN : Initialization\r$' "$log" \
  || fail "no start line in the log: $(cat "$log")"
grep -q $'^STATUS INFO : @ [0-9][0-9]:[0-9][0-9]:[0-9][0-9] MSG : Terminating Application IN : Finalization\r$' "$log" \
  || fail "no end line in the log: $(cat "$log")"
echo "ok: window $geometry, exit code 0, two status lines"
