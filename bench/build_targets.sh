#!/bin/sh
# Builds the named targets in the benchmarks' Release build (BUILD_DIR, default build-bench).
# Used by the benchmark and screenshot scripts: bench/build_targets.sh TARGET...
# A build folder that is already configured (a developer's Release build with
# -DTESSELLON_BENCH=ON, say) is used as it is, its tests kept.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSELLON_BENCH=ON \
        -DTESSELLON_TESTS=OFF >/dev/null
fi
cmake --build "$BUILD_DIR" -j "${JOBS:-2}" --target "$@" >/dev/null
