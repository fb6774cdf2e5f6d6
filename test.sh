#!/usr/bin/env bash
# Builds Kalmot and runs the whole test suite: as built for users (g++), its
# tests shuffled with three seeds; again with double as the arithmetic of
# Extended (KALMOT_PRECISION=double, as in the browser), one seed; and once
# more built by clang++ with AddressSanitizer and UndefinedBehaviorSanitizer,
# so that every run sees both arithmetics and both compilers.
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-packages.sh test
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALMOT_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# The double flavour: only the test program (and the program it starts), -O2
# without debug information to build quicker, assertions kept. The X display
# and install tests do not depend on the arithmetic and are left to build/.
cmake -S . -B build-double -DKALMOT_PRECISION=double -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O2 \
  -DKALMOT_WERROR=ON -DKALMOT_TEST_SEEDS=1 >/dev/null
cmake --build build-double -j "$jobs" --target kalmot_tests
ctest --test-dir build-double --output-on-failure -j "$jobs" -R '^KalmotTests[.]'

# CMake keeps the compiler a build folder was first configured with; one set
# up with another compiler by an older test.sh is started afresh.
if [ -f build-sanitize/CMakeCache.txt ] && ! grep -q '^CMAKE_CXX_COMPILER:FILEPATH=.*clang++$' build-sanitize/CMakeCache.txt; then
  rm -rf build-sanitize
fi
CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKALMOT_SANITIZE=ON -DKALMOT_WERROR=ON -DKALMOT_TEST_SEEDS=4 >/dev/null
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
