#!/bin/sh
# Export speed: a 20,902-glyph 16 x 16 font with the default script and with PUTITEMZIPBIN,
# beside one fwrite of the same bytes.
# Usage: bench/export.sh [FOLDER [RUNS]]   (FOLDER: where the files go, default the temp folder)
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
export BUILD_DIR
bench/build_targets.sh export_bench
exec "$BUILD_DIR/bench/export_bench" "$@"
