# Sourced by the smoke tests: a scratch folder in $work, fail(), a private
# Xvfb display, and the end of the program under test. The program
# ($app_pid), a window manager ($wm_pid) and the display are ended, and the
# folder removed, when the test exits.
work="$(mktemp -d)"
xvfb_pid=""
wm_pid=""
app_pid=""
cleanup() {
  for pid in "$app_pid" "$wm_pid" "$xvfb_pid"; do [ -n "$pid" ] && kill "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts Xvfb with a screen of $1 x $2 pixels and points DISPLAY and SDL at it.
start_display() {
  Xvfb -displayfd 5 -screen 0 "$1x$2x24" -nolisten tcp 5>"$work/display" 2>"$work/xvfb.err" &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.err")"
  export DISPLAY=":$(cat "$work/display")"
  unset SDL_VIDEODRIVER
  # Driver modules that SDL loads for X11 and unloads again leave
  # allocations that the leak checker cannot attribute; our own leaks are
  # checked by the suite's in-process tests.
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
}

# Waits up to ten seconds for the program to end, failing with $1 if it
# does not, and with its exit code unless that is 0.
wait_for_exit() {
  for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app_pid" 2>/dev/null && fail "$1"
  wait "$app_pid"
  local code=$?
  app_pid=""
  [ "$code" -eq 0 ] || fail "exit code $code"
}
