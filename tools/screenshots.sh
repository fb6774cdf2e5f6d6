#!/usr/bin/env bash
# Takes the README's screenshots from the real program in a headless X
# display: the menu, the particle world with walls and force arrows, the
# tornado and the fire. Run it from the repository after any change of look:
#   tools/screenshots.sh [<kalmot executable>]     (default build/kalmot)
# It needs Xvfb, xdotool and ImageMagick (tools/ensure-packages.sh test
# installs them) and writes docs/screenshots/*.png.
set -euo pipefail
cd "$(dirname "$0")/.."
exe="$(realpath "${1:-build/kalmot}")"
out=docs/screenshots
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing; run tools/ensure-packages.sh test" >&2; exit 1; }
done
mkdir -p "$out"
work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.err" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
unset SDL_VIDEODRIVER SDL12COMPAT_WINDOW_SCALING
export XDG_STATE_HOME="$work/state"

# Unpaced, the funnel fills and settles within the script's pauses as it
# always did; the frames themselves are the same.
"$exe" --unpaced >"$work/run.out" 2>&1 &
app_pid=$!
window="$(timeout 20 xdotool search --sync --name '^Kalmot$' | head -n 1)"
[ -n "$window" ] || { echo "$0: no Kalmot window: $(cat "$work/run.out")" >&2; exit 1; }

# Pointer moves and presses in the window's pixels, each spanning frames.
pause=0.3
move() { xdotool mousemove --window "$window" "$1" "$2"; sleep "$pause"; }
click() { move "$1" "$2"; xdotool mousedown 1; sleep "$pause"; xdotool mouseup 1; sleep "$pause"; }
drag() {
  move "$1" "$2"
  xdotool mousedown 1
  sleep "$pause"
  move $((($1 + $3) / 2)) $((($2 + $4) / 2))
  move "$3" "$4"
  xdotool mouseup 1
  sleep "$pause"
}
shoot() { import -window "$window" "$out/$1.png"; echo "$out/$1.png"; }

# The menu, the pointer resting on a button.
click 150 111 # focuses the menu window
move 170 164
sleep 0.5
shoot menu

# The particle world. The control window moves to the top right corner.
click 170 138
sleep 0.5
click 300 211 # focuses the control window
drag 260 211 490 21
click 447 80  # "Rysuj siły": draw the forces
click 447 62  # "Ściana": walls
click 300 580 # outside: the control window lets go
drag 40 330 300 520
drag 300 520 560 560
drag 560 560 780 400
drag 120 200 330 260
click 447 44  # "Cząsteczka": particles
click 300 580
for start in "100 120 150 100" "200 100 260 90" "320 140 300 120" "420 250 380 230" "600 300 560 280" \
             "680 330 700 300" "160 400 200 390" "500 420 470 400" "250 300 290 280" "380 380 420 360"; do
  drag $start
done
sleep 0.1
shoot particles

# The tornado, its base following the pointer.
xdotool key --window "$window" Escape
sleep 0.5
click 150 111
click 170 164
# The funnel grows a ring a frame from far above the screen; give it time
# to fill, swaying the base now and then.
for step in $(seq 0 60); do move $((300 + (step % 10) * 12)) $((440 + (step % 5) * 4)); sleep 0.3; done
shoot tornado

# The fire.
xdotool key --window "$window" Escape
sleep 0.5
click 150 111
click 170 190
move 700 120
sleep 2
shoot fire

xdotool key --window "$window" Escape
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
app_pid=""
