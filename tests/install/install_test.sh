#!/usr/bin/env bash
# The installed program: building the program alone makes everything that
# installing needs, with the images beside the program in the build folder;
# `cmake --install` into a temporary DESTDIR puts every file in place, the
# installed binary runs from an unrelated folder, finds its images relative
# to itself and logs to the state folder, never into its bin/; and
# `cpack -G DEB` makes a package with the same files and the sdl12-compat
# runtime as a dependency.
# Usage: install_test.sh <build folder>
set -uo pipefail
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export SDL_VIDEODRIVER=dummy
# Driver modules leave allocations the leak checker cannot attribute; the
# suite's in-process tests check our own.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# The files both the install and the package must hold, below the prefix.
expected_files=(
  bin/kalmot
  share/applications/kalmot.desktop
  share/mime/packages/kalmot-scene.xml
  share/icons/hicolor/48x48/apps/kalmot.png
  share/icons/hicolor/256x256/apps/kalmot.png
  share/man/man6/kalmot.6
  share/kalmot/images/FONT-LICENSE
)
for image in mouse font button check radio window edit spin progress empty; do
  expected_files+=("share/kalmot/images/$image.bmp")
done

# --- building the program ----------------------------------------------------
# What the program's target makes, made again from nothing: the icons that
# installing takes and the images a build runs with from any folder.
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
rm -f "$build"/dist/icons/kalmot-*.png
rm -rf "$build/data/images"
cmake --build "$build" --target kalmot >"$work/build.out" 2>&1 || fail "building kalmot failed: $(cat "$work/build.out")"
for size in 48 256; do
  [ -f "$build/dist/icons/kalmot-$size.png" ] || fail "building kalmot did not draw the ${size}x${size} icon"
done
for image in mouse.bmp font.bmp button.bmp check.bmp radio.bmp window.bmp edit.bmp spin.bmp progress.bmp empty.bmp FONT-LICENSE; do
  cmp -s "$source_dir/data/images/$image" "$build/data/images/$image" \
    || fail "building kalmot did not put data/images/$image beside it"
done

# --- cmake --install ---------------------------------------------------------
prefix=/opt/kalmot-test
DESTDIR="$work/root" cmake --install "$build" --prefix "$prefix" >"$work/install.out" 2>&1 \
  || fail "cmake --install failed: $(cat "$work/install.out")"
root="$work/root$prefix"
for file in "${expected_files[@]}"; do
  [ -f "$root/$file" ] || fail "not installed: $file"
done
[ -x "$root/bin/kalmot" ] || fail "bin/kalmot is not executable"
desktop-file-validate "$root/share/applications/kalmot.desktop" || fail "the .desktop file does not validate"
grep -qx 'Icon=kalmot' "$root/share/applications/kalmot.desktop" || fail "the menu entry names no kalmot icon"
grep -qx 'Exec=kalmot %f' "$root/share/applications/kalmot.desktop" || fail "the menu entry passes no file to kalmot"
grep -qx 'MimeType=application/x-kalmot-scene;' "$root/share/applications/kalmot.desktop" \
  || fail "the menu entry names no scene type"
mime="$root/share/mime/packages/kalmot-scene.xml"
grep -q 'type="application/x-kalmot-scene"' "$mime" && grep -q '<glob pattern="\*.kalmot-scene"/>' "$mime" \
  || fail "kalmot-scene.xml does not give *.kalmot-scene its type"
if command -v update-mime-database >/dev/null 2>&1; then
  cp -r "$root/share/mime" "$work/mime" && update-mime-database "$work/mime" >"$work/mime.out" 2>&1 \
    || fail "update-mime-database refuses kalmot-scene.xml: $(cat "$work/mime.out")"
  grep -q 'application/x-kalmot-scene:\*\.kalmot-scene' "$work/mime/globs" || fail "the scene glob is not in the database"
fi

# A PNG's size is in its header: width at byte 16, height at byte 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }
for size in 48 256; do
  icon="$root/share/icons/hicolor/${size}x${size}/apps/kalmot.png"
  [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' ')" = "89504e470d0a1a0a" ] || fail "$icon is not a PNG"
  [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon"), not ${size}x${size}"
done
head -n 1 "$root/share/man/man6/kalmot.6" | grep -q '^\.TH KALMOT 6 ' || fail "the manual page has no KALMOT(6) title"

# --- the installed binary ----------------------------------------------------
# Runs $1 as the user in $2 ("" for the current one) with the environment
# settings that follow, from an unrelated folder; SIGTERM (a quit event to
# SDL) once SDL handles it, after a few frames. Prints the exit code.
run_installed() {
  local exe="$1" user="$2"
  shift 2
  local elsewhere="$work/elsewhere"
  mkdir -p "$elsewhere"
  local as_user=()
  [ -n "$user" ] && as_user=(setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups)
  (cd "$elsewhere" && exec env "$@" "${as_user[@]}" "$exe") >"$work/run.out" 2>&1 &
  app_pid=$!
  local caught=0
  for _ in $(seq 200); do
    mask="$(sed -n 's/^SigCgt:\s*//p' "/proc/$app_pid/status" 2>/dev/null)"
    [ -n "$mask" ] && [ $(((0x$mask >> 14) & 1)) -eq 1 ] && { caught=1; break; }
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.05
  done
  [ "$caught" -eq 1 ] && sleep 0.3 && kill -TERM "$app_pid" 2>/dev/null
  for _ in $(seq 200); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.05; done
  wait "$app_pid"
  echo $?
  app_pid=""
}

# The log goes to $XDG_STATE_HOME/kalmot/ though bin/ can be written (as
# root can write anywhere).
code="$(run_installed "$root/bin/kalmot" "" XDG_STATE_HOME="$work/state")"
[ "$code" -eq 0 ] || fail "the installed program ended with $code: $(cat "$work/run.out")"
[ ! -e "$root/bin/kalmot.log" ] || fail "the installed program wrote its log into its bin/"
[ "$(wc -l <"$work/state/kalmot/kalmot.log")" -eq 2 ] || fail "no two-line log in \$XDG_STATE_HOME/kalmot/"

# Without XDG_STATE_HOME, in ~/.local/state. As root it runs as nobody, so
# that the unwritable home below is unwritable to it.
user=""
[ "$(id -u)" -eq 0 ] && user=nobody
home="$work/home"
mkdir -p "$home"
[ -n "$user" ] && { chown "$user" "$home"; chmod -R a+rX "$work"; chmod a+x "$work"; }
code="$(run_installed "$root/bin/kalmot" "$user" -u XDG_STATE_HOME HOME="$home")"
[ "$code" -eq 0 ] || fail "without XDG_STATE_HOME the program ended with $code: $(cat "$work/run.out")"
fallback="$home/.local/state/kalmot/kalmot.log"
[ -f "$fallback" ] || fail "no log at $fallback: $(cat "$work/run.out")"
grep -q 'Starting Application' "$fallback" && grep -q 'Terminating Application' "$fallback" \
  || fail "the state folder's log lacks the status lines: $(cat "$fallback")"

# The state folder unwritable: it is named on standard error, exit code 1,
# and still nothing lands in bin/.
chmod a-w "$home"
code="$(run_installed "$root/bin/kalmot" "$user" HOME="$home" XDG_STATE_HOME="$home/state")"
[ "$code" -eq 1 ] || fail "with no writable state folder the program ended with $code"
grep -q "$home/state/kalmot/kalmot.log" "$work/run.out" || fail "the error does not name the log: $(cat "$work/run.out")"
[ ! -e "$root/bin/kalmot.log" ] || fail "the log went into bin/ when the state folder failed"
chmod u+w "$home"

# --- cpack -G DEB ------------------------------------------------------------
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package") >"$work/cpack.out" 2>&1 \
  || fail "cpack failed: $(cat "$work/cpack.out")"
deb="$(ls "$work"/package/kalmot_*.deb 2>/dev/null | head -n 1)"
[ -n "$deb" ] || fail "cpack made no .deb: $(cat "$work/cpack.out")"
listing="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for file in "${expected_files[@]}"; do
  grep -qx "\./usr/$file" <<<"$listing" || fail "the package lacks /usr/$file"
done
depends="$(dpkg-deb -f "$deb" Depends)"
grep -q 'libsdl1.2-compat-shim' <<<"$depends" || fail "the package does not depend on sdl12-compat: $depends"
grep -q 'libstdc++6' <<<"$depends" || fail "the package does not depend on the C++ runtime: $depends"

# The package's tree, unpacked anywhere, runs.
dpkg-deb -x "$deb" "$work/unpacked"
code="$(run_installed "$work/unpacked/usr/bin/kalmot" "" XDG_STATE_HOME="$work/package-state")"
[ "$code" -eq 0 ] || fail "the packaged program ended with $code: $(cat "$work/run.out")"
[ -f "$work/package-state/kalmot/kalmot.log" ] && [ ! -e "$work/unpacked/usr/bin/kalmot.log" ] \
  || fail "the packaged program did not log to the state folder alone"
echo "ok: the program's build makes what installing needs; installed $(echo "${#expected_files[@]}") files, log in the state folder, package $(basename "$deb") ($depends)"
