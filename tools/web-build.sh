#!/usr/bin/env bash
# Builds the browser version into <build folder>/site/ with Debian's
# emscripten; web.sh and the browser test share it.
#   tools/web-build.sh <build folder>
set -euo pipefail
cd "$(dirname "$0")/.."
folder="${1:?usage: $0 <build folder>}"
# Debian's emscripten: its JavaScript optimiser finds Debian's acorn through
# NODE_PATH whichever node runs it; its sanity check and its search for a
# Python are skipped, which halves every compile.
export NODE_PATH=/usr/share/nodejs EMSDK_PYTHON=/usr/bin/python3 EMCC_SKIP_SANITY_CHECK=1
# The browser has no 80-bit arithmetic: the build uses double. It is made
# by the one emscripten the package check installs, so its warnings are
# the same everywhere and are errors, as in the test command.
emcmake cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=Release -DKALMOT_PRECISION=double -DKALMOT_WERROR=ON >/dev/null
cmake --build "$folder" --target kalmot_site -j "$(nproc)"
