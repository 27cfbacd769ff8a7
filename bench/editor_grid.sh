#!/bin/sh
# Times opening a 65,536-glyph 16 x 16 font in the editor and repainting its grid while
# scrolling from top to bottom. Builds what it needs in BUILD_DIR (default build).
#   bench/editor_grid.sh           headless (Qt's offscreen platform)
#   bench/editor_grid.sh xvfb      in a virtual X display, as a user's X server sees it
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSELLON_BENCH=ON -DTESSELLON_TESTS=OFF >/dev/null
cmake --build "$BUILD_DIR" -j "${JOBS:-2}" --target editor_grid_bench >/dev/null
bench="$BUILD_DIR/bench/editor/editor_grid_bench"
if [ "${1:-}" = xvfb ]; then
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$bench"
else
    QT_QPA_PLATFORM=offscreen "$bench"
fi
