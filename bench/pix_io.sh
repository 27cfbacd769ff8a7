#!/bin/sh
# Read and write speed of .pix files: 65,536 glyphs of 32 x 32 (8 MiB of pixels).
# Usage: bench/pix_io.sh [FOLDER [RUNS]]   (FOLDER: where the files go, default the temp folder)
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
export BUILD_DIR
bench/build_targets.sh pix_io_bench
exec "$BUILD_DIR/bench/pix_io_bench" "$@"
