#!/bin/sh
# An Export press through the export dialog (default script, the 20,902-glyph 16 x 16 font
# of bench/export.sh, messages shown) beside the same export run called directly.
# Usage: bench/export_dialog.sh [xvfb] [FOLDER [RUNS]]   (FOLDER: where the files go, default
# a temporary folder; xvfb: in a virtual X display instead of Qt's offscreen platform)
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
export BUILD_DIR
bench/build_targets.sh export_dialog_bench
bench="$BUILD_DIR/bench/export_dialog/export_dialog_bench"
if [ "${1:-}" = xvfb ]; then
    shift
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$bench" "$@"
else
    QT_QPA_PLATFORM=offscreen "$bench" "$@"
fi
