#!/bin/sh
# Builds the script machine's benchmark in Release and prints its figures.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
export BUILD_DIR
bench/build_targets.sh script_bench
"$BUILD_DIR/bench/script_bench"
