#!/usr/bin/env bash
# Builds the benchmarks with full optimisation (in build-bench/) and prints
# their table. Extra arguments go to the benchmark program, for instance
#   tools/bench.sh --benchmark_filter=Screen
# KALMOT_PRECISION=double in the environment measures the double flavour
# instead, built in build-bench-double/.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/ensure-packages.sh bench
folder=build-bench
precision=()
if [ -n "${KALMOT_PRECISION:-}" ]; then
  precision=(-DKALMOT_PRECISION="$KALMOT_PRECISION")
  [ "$KALMOT_PRECISION" = extended ] || folder="build-bench-$KALMOT_PRECISION"
fi
# -O2 as the program itself is built (-O3 only adds a known false string warning of g++ 12).
cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" "${precision[@]}" >/dev/null
cmake --build "$folder" -j "$(nproc)" --target kalmot_bench
# The screens run under SDL's dummy driver: no window, the same frames.
SDL_VIDEODRIVER=dummy "$folder"/kalmot_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
