#!/usr/bin/env bash
# Makes sure the Debian packages a build needs are installed.
#   tools/ensure-packages.sh run    what building and running the program needs
#   tools/ensure-packages.sh test   that, plus GoogleTest, Xvfb, xdotool, ImageMagick, Python, xdg-user-dir,
#                                   a small window manager with its fonts, what checking the
#                                   installed files and the Debian package takes, Google
#                                   Benchmark, so that the benchmarks are built with the suite,
#                                   and clang++ with its sanitizer runtimes for the second build
#   tools/ensure-packages.sh bench  what building needs, plus Google Benchmark
#   tools/ensure-packages.sh web    what building the browser version and serving it needs:
#                                   emscripten, node and Python's web server
# The test command also builds the browser version and drives it in Debian's
# Chromium with puppeteer-core from npm.
# As root on Debian it installs what is missing with apt-get; otherwise it
# prints the exact install line and fails.
set -euo pipefail

run_packages=(g++ make cmake pkg-config libsdl1.2-compat-dev libpng-dev nlohmann-json3-dev)
test_packages=(googletest libgtest-dev xvfb x11-xkb-utils xdotool imagemagick python3 evilwm xfonts-base desktop-file-utils
  xdg-user-dirs dpkg-dev libbenchmark-dev clang libclang-rt-14-dev emscripten nodejs npm chromium)
bench_packages=(libbenchmark-dev)
web_packages=(cmake make libsdl1.2-compat-dev nlohmann-json3-dev emscripten nodejs python3)

case "${1:-run}" in
  run) wanted=("${run_packages[@]}") ;;
  test) wanted=("${run_packages[@]}" "${test_packages[@]}") ;;
  bench) wanted=("${run_packages[@]}" "${bench_packages[@]}") ;;
  web) wanted=("${web_packages[@]}") ;;
  *) echo "usage: $0 run|test|bench|web" >&2; exit 2 ;;
esac

# npm may come inside another vendor's nodejs package, which provides it.
installed() {
  [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = "installed" ] ||
    { [ "$1" = npm ] && command -v npm >/dev/null 2>&1; }
}

if ! command -v dpkg-query >/dev/null 2>&1; then
  echo "This is not a Debian system; install the equivalents of these Debian 12 packages:" >&2
  echo "  ${wanted[*]}" >&2
  exit 1
fi

missing=()
for package in "${wanted[@]}"; do
  installed "$package" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null 2>&1; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Missing packages. Install them with:" >&2
  echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
