#!/bin/sh
# Builds the script machine's benchmark in Release and prints its figures.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTESSELLON_TESTS=OFF -DTESSELLON_BENCH=ON >/dev/null
cmake --build "$BUILD_DIR" -j "${JOBS:-2}" --target script_bench >/dev/null
"$BUILD_DIR/bench/script_bench"
