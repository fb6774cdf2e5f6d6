#!/usr/bin/env bash
# Quick input on a real X display, sent the way xdotool (and a touchpad's
# tap) sends it: a click's press and release together, a typed word's key
# downs and ups back to back.
#   - `xdotool click` on "Symulacja ognia" opens the fire screen;
#   - Esc there goes back to the menu, the program still running;
#   - `xdotool type` of a word into the test window's edit shows the same
#     field as typing it one slow key at a time in a second run;
#   - a letter still held while Shift goes down (a typist's roll-over) is
#     typed once: "aB" rolled over shows the field of "aB" typed;
#   - on a Polish keyboard layout, `xdotool type` of Polish letters shows
#     the same field as pressing AltGr with each letter's key, and not the
#     field of the plain letters those keys type without AltGr.
# Usage: xvfb_input.sh <path of the kalmot executable>   (run from the repository root)
set -uo pipefail
exe="$1"
source "$(dirname "$0")/x_display.sh"
start_display 1024 768

window=""
start_program() {
  "$exe" &
  app_pid=$!
  window="$(timeout 20 xdotool search --sync --name '^Kalmot$' | head -n 1)"
  [ -n "$window" ] || fail "no window titled Kalmot appeared"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  rest_pointer
  sleep 0.5
}

# Pointer positions are in the window's pixels. The pointer rests in an
# empty corner so that its image is the same in every shot. The poll reads
# the pointer where it is, not where an event happened, so it stays on what
# it clicked until the program has had time for a few frames.
point_at() { xdotool mousemove --window "$window" "$1" "$2"; }
rest_pointer() { point_at 700 550; }
shot() { import -window "$window" "$work/$1.png"; }
# Number of differing pixels between two image files.
differing() { compare -metric AE "$1" "$2" null: 2>&1 >/dev/null | sed 's/ .*//'; }
strip() { import -window "$window" -crop 800x100+0+500 +repage "$work/$1.png"; }

# A shot once the display has stopped changing (the menu is still).
settled() {
  shot "$1"
  for _ in $(seq 20); do
    sleep 0.5
    shot settle
    [ "$(differing "$work/$1.png" "$work/settle.png")" = "0" ] && return
    mv "$work/settle.png" "$work/$1.png"
  done
  fail "the display did not settle"
}

still_running() { kill -0 "$app_pid" 2>/dev/null; }

end_with_esc() {
  xdotool key --clearmodifiers Escape
  wait_for_exit "Esc on the menu did not end the program"
}

# The edit's text area spans x 364..489, y 181..200 of the display.
focus_edit() {
  point_at 420 185
  xdotool click 1
  sleep 0.5
  rest_pointer
}

# --- First run: click, Esc on the fire screen, typing at xdotool's speed.
start_program
settled menu # the windows fade in their first frames
strip menu-strip

point_at 190 192 # "Symulacja ognia"
xdotool click 1
sleep 0.5
rest_pointer
# The fire climbs from the bottom row over some tens of frames, which a
# sanitizer build draws slowly: look until it burns or ten seconds pass.
lit=0 moving=0
for _ in $(seq 20); do
  sleep 0.5
  strip fire-strip-1
  sleep 0.2
  strip fire-strip-2
  lit="$(differing "$work/menu-strip.png" "$work/fire-strip-1.png")"
  moving="$(differing "$work/fire-strip-1.png" "$work/fire-strip-2.png")"
  [ "$lit" -gt 5000 ] 2>/dev/null && [ "$moving" -gt 1000 ] 2>/dev/null && break
done
[ "$lit" -gt 5000 ] 2>/dev/null || fail "one xdotool click did not open the fire screen (${lit} pixels lit at the bottom)"
[ "$moving" -gt 1000 ] 2>/dev/null || fail "the bottom rows are not burning (${moving} pixels changed)"

xdotool key --clearmodifiers Escape
changed=""
for _ in $(seq 20); do
  sleep 0.5
  still_running || fail "Esc on the fire screen ended the program"
  shot back
  changed="$(differing "$work/menu.png" "$work/back.png")"
  [ "$changed" = "0" ] && break
done
[ "$changed" = "0" ] || fail "Esc on the fire screen did not bring the menu back (${changed} pixels differ)"

focus_edit
xdotool type --clearmodifiers kalmot
settled typed
changed="$(differing "$work/back.png" "$work/typed.png")"
[ "$changed" != "0" ] || fail "typing changed nothing on the display"
xdotool type --clearmodifiers aB
settled typed-ab
end_with_esc

# --- Second run: the same word, one key event every few frames.
start_program
focus_edit
for letter in k a l m o t; do
  xdotool keydown "$letter"
  sleep 0.15
  xdotool keyup "$letter"
  sleep 0.15
done
settled slow
changed="$(differing "$work/typed.png" "$work/slow.png")"
[ "$changed" = "0" ] || fail "xdotool type and slow typing differ in ${changed} pixels: letters were lost"
# Roll-over: Shift goes down while "a" is still held, a few frames apart
# (within one frame the release of "a" would end the stroke first).
xdotool keydown a sleep 0.15 keydown shift sleep 0.15 keyup a sleep 0.15 key B sleep 0.15 keyup shift
settled rolled
changed="$(differing "$work/typed-ab.png" "$work/rolled.png")"
[ "$changed" = "0" ] || fail "\"aB\" rolled over differs from \"aB\" typed in ${changed} pixels: a held letter was typed again"
end_with_esc

# --- Polish letters. `xdotool type` presses AltGr with each letter's key of
# the Polish layout, as a user types them; the program must see the letters,
# not the keys' own. The layout is switched while the program runs: on Xvfb
# an SDL program started after `setxkbmap pl` got nothing from `xdotool
# type` and "a" from AltGr+a, a bare SDL 1.2 program as much as Kalmot.
altgr_letters() {
  for key in a e l o s z x c n; do
    xdotool keydown ISO_Level3_Shift key "$key" keyup ISO_Level3_Shift
    sleep 0.15
  done
}
# Starts the program, focuses the edit, runs the rest of the arguments and
# keeps the settled window in the shot named $1.
typed_run() {
  local name="$1"
  shift
  start_program
  setxkbmap pl || fail "setxkbmap could not switch the display to the Polish layout"
  focus_edit
  settled "$name-before"
  "$@"
  settled "$name"
  end_with_esc
}
typed_run polish xdotool type "ąęłóśżźćń"
typed_run altgr altgr_letters
typed_run plain xdotool type aeloszxcn
[ "$(differing "$work/polish-before.png" "$work/polish.png")" != "0" ] || fail "typing Polish letters changed nothing"
changed="$(differing "$work/polish.png" "$work/altgr.png")"
[ "$changed" = "0" ] || fail "xdotool type and AltGr with each key differ in ${changed} pixels"
[ "$(differing "$work/polish.png" "$work/plain.png")" != "0" ] || fail "the Polish letters came out as the plain a e l o s z x c n"

echo "ok: a click opens the fire screen, Esc there returns to the menu, a typed word lands whole, a rolled-over letter lands once, Polish letters land as typed"
