#!/usr/bin/env bash
# Scenes on a real X display: walls drawn and particles thrown, paused, and
# Ctrl+S writes a scene into ~/Documents and logs it; `kalmot FILE` then
# opens on the particle screen, paused, with the same particles and walls:
# the window's content is the same, pixel for pixel, once the notices are
# gone.
# Usage: xvfb_scene.sh <path of the kalmot executable>   (run from the repository root)
set -uo pipefail
source "$(dirname "$0")/x_display.sh"
cp "$1" "$work/kalmot" # a log of its own
exe="$work/kalmot"
log="${exe}.log"
start_display 1024 768

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
unset XDG_DOCUMENTS_DIR
mkdir -p "$HOME/Documents"

# Starts the program with the arguments given and waits for its window.
start() {
  "$exe" "$@" &
  app_pid=$!
  window="$(timeout 20 xdotool search --sync --name '^Kalmot$' | head -n 1)"
  [ -n "$window" ] || fail "no window titled Kalmot appeared"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
}
click() { xdotool mousemove --window "$window" "$1" "$2" mousedown 1; sleep 0.2; xdotool mouseup 1; sleep 0.2; }
# Waits (up to 30 s, frames may be slow on a busy machine) until the top
# strip's second line, where the notice shows, is dark left of the pointer,
# then saves the window's content as $1.
shot_without_notice() {
  for _ in $(seq 60); do
    import -window "$window" "$1"
    [ "$(convert "$1" -crop 600x18+0+22 +repage -format '%[max]' info:)" = "0" ] && return
    sleep 0.5
  done
  fail "the notice did not go"
}
drag() {
  xdotool mousemove --window "$window" "$1" "$2" mousedown 1; sleep 0.2
  xdotool mousemove --window "$window" "$3" "$4"; sleep 0.2
  xdotool mouseup 1; sleep 0.2
}

start
click 150 140 # "Symulacja cząsteczek"
click 218 252 # "Ściana"
click 700 560 # away from the window: the world runs
drag 80 420 300 470
drag 600 440 780 400
click 218 234 # "Cząsteczka"
click 700 560
for x in 620 660 700 740; do drag "$x" 120 "$((x - 30))" 140; done # downwards, clear of the top strip
sleep 0.3
xdotool mousemove --window "$window" 700 20 key --clearmodifiers F5
sleep 0.3
xdotool key --clearmodifiers ctrl+s
for _ in $(seq 50); do compgen -G "$HOME/Documents/kalmot-scena-*.kalmot-scene" >/dev/null && break; sleep 0.1; done
shot_without_notice "$work/saved.png"
xdotool key --clearmodifiers Escape
sleep 0.3
xdotool key --clearmodifiers Escape
wait_for_exit "Esc twice did not end the program"

scenes=("$HOME"/Documents/kalmot-scena-*.kalmot-scene)
[ -f "${scenes[0]}" ] || fail "no scene in $HOME/Documents; log: $(cat "$log")"
[ ${#scenes[@]} -eq 1 ] || fail "${#scenes[@]} scenes for one key: ${scenes[*]}"
scene="${scenes[0]}"
[[ "$(basename "$scene")" =~ ^kalmot-scena-[0-9]{4}-[0-9]{2}-[0-9]{2}-[0-9]{6}\.kalmot-scene$ ]] || fail "named $(basename "$scene")"
grep -qF "MSG : Scene saved: $scene IN : Scene" "$log" || fail "the log does not name it: $(cat "$log")"
particles="$(grep -o '"pos"' "$scene" | wc -l)"
walls="$(grep -o '"delta"' "$scene" | wc -l)"
[ "$particles" -ge 3 ] || fail "the scene holds $particles particles"

start "$scene"
xdotool mousemove --window "$window" 700 20
sleep 1
shot_without_notice "$work/opened.png"
grep -qF "MSG : Scene opened: $scene IN : Scene" "$log" || fail "the log does not say it opened: $(cat "$log")"
xdotool key --clearmodifiers Escape
sleep 0.3
xdotool key --clearmodifiers Escape
wait_for_exit "Esc twice did not end the program"

[ -n "${KALMOT_KEEP:-}" ] && cp "$work/saved.png" "$work/opened.png" "$KALMOT_KEEP/"
differing="$(compare -metric AE "$work/saved.png" "$work/opened.png" null: 2>&1 >/dev/null | sed 's/ .*//')"
[ "$differing" = "0" ] || fail "$differing pixels differ between the saved and the opened world"
echo "ok: $(basename "$scene") with $particles particles and $((walls - particles)) walls opens as it was saved"
