#!/usr/bin/env bash
# The program in a real X display: it opens an 800x600 window titled
# "Kalmot", Esc typed into it ends it with exit code 0, and its log holds
# exactly the two status lines of a normal run.
# Usage: xvfb_smoke.sh <path of the kalmot executable>   (run from the repository root)
set -uo pipefail
exe="$1"
log="${exe}.log"
source "$(dirname "$0")/x_display.sh"
start_display 1024 768

"$exe" &
app_pid=$!

window="$(timeout 20 xdotool search --sync --name '^Kalmot$' | head -n 1)"
[ -n "$window" ] || fail "no window titled Kalmot appeared"
geometry="$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: *//p')"
[ "$geometry" = "800x600" ] || fail "the window is $geometry, not 800x600"

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --clearmodifiers Escape

wait_for_exit "Esc did not end the program"

[ "$(wc -l <"$log")" -eq 2 ] || fail "the log holds $(wc -l <"$log") lines: $(cat "$log")"
grep -q $'^STATUS INFO : @ [0-9][0-9]:[0-9][0-9]:[0-9][0-9] MSG : Starting Application IN : Initialization\r$' "$log" \
  || fail "no start line in the log: $(cat "$log")"
grep -q $'^STATUS INFO : @ [0-9][0-9]:[0-9][0-9]:[0-9][0-9] MSG : Terminating Application IN : Finalization\r$' "$log" \
  || fail "no end line in the log: $(cat "$log")"
echo "ok: window $geometry, exit code 0, two status lines"
