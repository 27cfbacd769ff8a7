#!/bin/sh
# Times opening a 65,536-glyph 16 x 16 font in the editor and repainting its grid while
# scrolling from top to bottom. Builds what it needs in BUILD_DIR (default build-bench).
#   bench/editor_grid.sh           headless (Qt's offscreen platform)
#   bench/editor_grid.sh xvfb      in a virtual X display, as a user's X server sees it
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
export BUILD_DIR
bench/build_targets.sh editor_grid_bench
bench="$BUILD_DIR/bench/editor/editor_grid_bench"
if [ "${1:-}" = xvfb ]; then
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$bench"
else
    QT_QPA_PLATFORM=offscreen "$bench"
fi
