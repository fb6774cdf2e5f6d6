#!/usr/bin/env bash
# Thirty full-screen switches by Alt+Enter in a real X display without a
# window manager. Each switch closes SDL and opens it again; with no other
# client left, the X server resets itself meanwhile and refuses connections
# for a moment, which the reopening must ride out. After each switch a
# window titled "Kalmot" is shown again, in the other mode, and the program
# still runs; Esc then ends it with exit code 0.
# Usage: fullscreen_switches.sh <path of the kalmot executable> [switches]   (run from the repository root)
set -uo pipefail
exe="$1"
switches="${2:-30}"
log="${exe}.log"
source "$(dirname "$0")/x_display.sh"
start_display 1024 768

"$exe" >"$work/run.out" 2>&1 &
app_pid=$!

# Prints the id and the mode ("window" or "full") of the shown Kalmot
# window; fails while none is shown. Without a window manager both modes
# are an 800x600 window in the same place, but SDL holds only the window's
# size fixed. The X server may refuse a query while it resets: that is
# simply no answer yet.
shown_window() {
  local id hints
  id="$(xdotool search --onlyvisible --name '^Kalmot$' 2>/dev/null | head -n 1)"
  [ -n "$id" ] || return 1
  hints="$(xprop -id "$id" WM_NORMAL_HINTS 2>/dev/null)" || return 1
  case "$hints" in
    *"minimum size: 800 by 600"*) echo "$id window" ;;
    *) echo "$id full" ;;
  esac
}

# Waits up to five seconds for a shown Kalmot window in mode $1 that has the
# keyboard (nobody but this test gives it without a window manager) and
# keeps it for a few frames: SDL maps a new window, unmaps it and maps it
# again, and a key sent in between would go nowhere.
focused_in_mode() {
  local id mode
  read -r id mode < <(shown_window) && [ "$mode" = "$1" ] || return 1
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$id" ] && return 0
  xdotool windowfocus --sync "$id" 2>/dev/null
  return 1
}
wait_for_mode() {
  for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || return 1
    if focused_in_mode "$1"; then
      sleep 0.2
      focused_in_mode "$1" && return 0
    fi
    sleep 0.1
  done
  return 1
}

state() {
  local shown
  shown="$(shown_window)" && shown="window $shown is shown" || shown="no window is shown"
  kill -0 "$app_pid" 2>/dev/null && echo -n "$shown, the program runs on" || echo -n "the program ended"
  echo "; log: $(tr -d '\r' <"$log" | tr '\n' ' ')output: $(tr '\n' ' ' <"$work/run.out")"
}

wait_for_mode window || fail "no window titled Kalmot appeared: $(state)"
mode=window
for switch in $(seq "$switches"); do
  [ "$mode" = window ] && mode=full || mode=window
  for _ in $(seq 10); do xdotool key --clearmodifiers alt+Return 2>/dev/null && break; sleep 0.1; done
  wait_for_mode "$mode" || fail "no Kalmot window in $mode mode after switch $switch of $switches: $(state)"
done

for _ in $(seq 10); do xdotool key --clearmodifiers Escape 2>/dev/null && break; sleep 0.1; done
wait_for_exit "Esc did not end the program after $switches switches"
echo "ok: after each of $switches switches a Kalmot window in the other mode; Esc ends with exit code 0"
