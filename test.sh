#!/usr/bin/env bash
# Builds Kalmot and runs the whole test suite: as built for users, its tests
# shuffled with three seeds, and once more built with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-packages.sh test
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALMOT_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKALMOT_SANITIZE=ON -DKALMOT_WERROR=ON -DKALMOT_TEST_SEEDS=4 >/dev/null
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
