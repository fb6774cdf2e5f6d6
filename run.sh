#!/usr/bin/env bash
# Builds Kalmot and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-packages.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target kalmot -j "$(nproc)"
exec build/kalmot
