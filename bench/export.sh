#!/bin/sh
# Export speed: a 20,902-glyph 16 x 16 font with the default script and with PUTITEMZIPBIN,
# beside one fwrite of the same bytes.
# Usage: bench/export.sh [FOLDER [RUNS]]   (FOLDER: where the files go, default the temp folder)
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSELLON_BENCH=ON \
    -DTESSELLON_TESTS=OFF >/dev/null
cmake --build build-bench --target export_bench -j 2 >/dev/null
exec build-bench/bench/export_bench "$@"
