#!/bin/sh
# Read and write speed of .pix files: 65,536 glyphs of 32 x 32 (8 MiB of pixels).
# Usage: bench/pix_io.sh [FOLDER [RUNS]]   (FOLDER: where the files go, default the temp folder)
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSELLON_BENCH=ON \
    -DTESSELLON_TESTS=OFF >/dev/null
cmake --build build-bench --target pix_io_bench -j 2 >/dev/null
exec build-bench/bench/pix_io_bench "$@"
