#!/usr/bin/env bash
# Full screen and window scaling with a window manager, in a real X display:
# Alt+Enter fills the screen, a click on the menu's full-screen button at its
# scaled position switches back (so the pointer's moves and clicks reach the
# program in full screen), and "Wyjdź [Esc]" clicked in the window ends it
# with exit code 0. Then --scale 2 opens a window twice as large in which
# the same button, clicked at twice its position, ends the program.
# Usage: fullscreen_pointer.sh <path of the kalmot executable>
set -uo pipefail
exe="$1"
source "$(dirname "$0")/x_display.sh"

screen_w=1920
screen_h=1440
start_display "$screen_w" "$screen_h"
unset SDL12COMPAT_WINDOW_SCALING SDL12COMPAT_SCALE_METHOD
export XDG_STATE_HOME="$work/state"

evilwm -fn fixed >"$work/wm.log" 2>&1 &
wm_pid=$!
sleep 0.5
kill -0 "$wm_pid" 2>/dev/null || fail "evilwm did not start: $(cat "$work/wm.log")"

# The menu's title bar and buttons, in display pixels of the 800x600 picture.
# A press on a window that is not focused only focuses it, so each run
# clicks the title bar first.
menu_title=(150 111)
fullscreen_button=(160 242)
quit_button=(140 268)

# "<x> <y> <width> <height>" of the Kalmot window, on the screen.
window_box() {
  local id
  id="$(xdotool search --name '^Kalmot$' 2>/dev/null | head -n 1)"
  [ -n "$id" ] || return 1
  xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                            /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}
wait_for_size() {
  for _ in $(seq 100); do
    read -r _ _ w h < <(window_box) && [ "$w" = "$1" ] && [ "$h" = "$2" ] && return 0
    sleep 0.1
  done
  return 1
}
# Clicks display pixel ($1, $2) of the picture wherever and however large it is shown.
click_picture() {
  local x y w h
  read -r x y w h < <(window_box) || fail "no Kalmot window"
  xdotool mousemove $((x + $1 * w / 800)) $((y + $2 * h / 600))
  # A few frames see the pointer there before the press, and the press
  # before the release, as a user's click spans frames.
  sleep 0.3
  xdotool mousedown 1
  sleep 0.3
  xdotool mouseup 1
  sleep 0.3
}

# --- Alt+Enter, a click in full screen, back to the window -----------------
"$exe" >"$work/run.out" 2>&1 &
app_pid=$!
wait_for_size 800 600 || fail "no 800x600 window: $(cat "$work/run.out")"
read -r x y _ _ < <(window_box)
xdotool mousemove $((x + 20)) $((y + 20)) # over no button, where a lost pointer would stay
sleep 0.3
xdotool key --clearmodifiers alt+Return
wait_for_size "$screen_w" "$screen_h" || fail "Alt+Enter did not fill the screen: $(window_box)"
sleep 0.5
click_picture "${menu_title[@]}"
click_picture "${fullscreen_button[@]}"
wait_for_size 800 600 || fail "the click on the full-screen button in full screen did not reach it: $(window_box)"
sleep 0.5
click_picture "${quit_button[@]}"
wait_for_exit "the click on Wyjdź in the window did not end the program"

# --- --scale 2 -------------------------------------------------------------
"$exe" --scale 2 >"$work/run.out" 2>&1 &
app_pid=$!
wait_for_size 1600 1200 || fail "--scale 2 did not open a 1600x1200 window: $(window_box)"
click_picture "${menu_title[@]}"
click_picture "${quit_button[@]}"
wait_for_exit "the click on Wyjdź at its doubled position did not end the scaled program"
echo "ok: full screen ${screen_w}x${screen_h} and back by a scaled click; a 1600x1200 window with --scale 2"
