#!/bin/sh
# Copy To and Paste from of a block of 1,024 glyphs of 16 x 16 through a .png file (and a
# .bmp file beside it): the time each way and the picture codec's share.
# Usage: bench/exchange.sh [FOLDER [RUNS]]   (FOLDER: where the files go, default the temp folder)
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
export BUILD_DIR
bench/build_targets.sh exchange_bench
exec "$BUILD_DIR/bench/exchange/exchange_bench" "$@"
