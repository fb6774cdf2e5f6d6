#!/usr/bin/env bash
# F12 on a real X display saves the frame as a PNG in ~/Pictures (no
# pictures folder set for xdg-user-dir), logs where, and the picture is the
# window's content but for the pointer (and the top strip's notice that names
# the picture).
# Usage: xvfb_screenshot.sh <path of the kalmot executable>   (run from the repository root)
set -uo pipefail
source "$(dirname "$0")/x_display.sh"
# A copy of its own, so that its log is not the one other tests running at
# the same time write beside the built program; the images come from the
# working folder.
cp "$1" "$work/kalmot"
exe="$work/kalmot"
log="${exe}.log"
start_display 1024 768

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
unset XDG_PICTURES_DIR
mkdir -p "$HOME/Pictures"

"$exe" &
app_pid=$!
window="$(timeout 20 xdotool search --sync --name '^Kalmot$' | head -n 1)"
[ -n "$window" ] || fail "no window titled Kalmot appeared"
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool mousemove --window "$window" 700 550
sleep 1 # the menu's windows have faded and stand still

xdotool key --clearmodifiers F12
for _ in $(seq 50); do compgen -G "$HOME/Pictures/kalmot-*.png" >/dev/null && break; sleep 0.1; done
sleep 0.5 # written in full
import -window "$window" "$work/shown.png"
xdotool key --clearmodifiers Escape
wait_for_exit "Esc did not end the program"

pictures=("$HOME"/Pictures/kalmot-*.png)
[ -f "${pictures[0]}" ] || fail "no picture in $HOME/Pictures; log: $(cat "$log")"
[ ${#pictures[@]} -eq 1 ] || fail "${#pictures[@]} pictures for one key: ${pictures[*]}"
picture="${pictures[0]}"
[[ "$(basename "$picture")" =~ ^kalmot-[0-9]{4}-[0-9]{2}-[0-9]{2}-[0-9]{6}\.png$ ]] || fail "named $(basename "$picture")"
grep -qF "MSG : Screenshot saved: $picture IN : Screenshot" "$log" || fail "the log does not name it: $(cat "$log")"
[ "$(identify -format '%wx%h' "$picture")" = "800x600" ] || fail "$(identify "$picture")"
# Only the pointer, resting at (700, 550) with its shadows, tells them apart
# below the top strip, where the notice naming the picture shows for a while.
convert "$picture" -crop 800x575+0+25 +repage "$work/picture-body.png"
convert "$work/shown.png" -crop 800x575+0+25 +repage "$work/shown-body.png"
differing="$(compare -metric AE "$work/picture-body.png" "$work/shown-body.png" null: 2>&1 >/dev/null | sed 's/ .*//')"
[ "$differing" -gt 0 ] && [ "$differing" -lt 600 ] || fail "$differing pixels differ from the window's content"
convert "$picture" -crop 800x515+0+25 +repage "$work/picture-top.png"
convert "$work/shown.png" -crop 800x515+0+25 +repage "$work/shown-top.png"
inside="$(compare -metric AE "$work/picture-top.png" "$work/shown-top.png" null: 2>&1 >/dev/null | sed 's/ .*//')"
[ "$inside" = "0" ] || fail "$inside pixels differ above the pointer"
echo "ok: $(basename "$picture"), 800x600, $differing pixels of pointer"
