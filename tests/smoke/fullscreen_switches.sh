#!/usr/bin/env bash
# Thirty full-screen switches by Alt+Enter in a real X display without a
# window manager: each switch closes SDL and opens it again, and after each
# one a new window titled "Kalmot" is shown and the program still runs. Esc
# then ends it with exit code 0.
# Usage: fullscreen_switches.sh <path of the kalmot executable>   (run from the repository root)
set -uo pipefail
exe="$1"
switches="${2:-30}"
source "$(dirname "$0")/x_display.sh"
start_display 1024 768
export XDG_STATE_HOME="$work/state"

"$exe" >"$work/run.out" 2>&1 &
app_pid=$!

# The id of the shown window titled Kalmot, if there is one.
shown_window() { xdotool search --onlyvisible --name '^Kalmot$' 2>/dev/null | head -n 1; }

# Waits up to five seconds for a shown Kalmot window other than $1 and
# prints its id.
wait_for_new_window() {
  local id
  for _ in $(seq 50); do
    id="$(shown_window)"
    [ -n "$id" ] && [ "$id" != "$1" ] && { echo "$id"; return 0; }
    kill -0 "$app_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

window="$(wait_for_new_window none)" || fail "no window titled Kalmot appeared: $(cat "$work/run.out")"
for switch in $(seq "$switches"); do
  # Without a window manager nobody gives the new window the keyboard.
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key --clearmodifiers alt+Return
  window="$(wait_for_new_window "$window")" ||
    fail "no Kalmot window after switch $switch of $switches (the program $(kill -0 "$app_pid" 2>/dev/null &&
      echo runs on without one || echo ended)): $(cat "$work/run.out")"
done

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --clearmodifiers Escape
wait_for_exit "Esc did not end the program after $switches switches"
echo "ok: a Kalmot window after each of $switches switches, Esc ends with exit code 0"
