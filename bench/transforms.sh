#!/bin/sh
# Times a transform of all 65,536 glyphs of a 16 x 16 font and its undo (in the core and
# through a font window), and the text preview of 1,000 characters drawn again. Builds what
# it needs in BUILD_DIR (default build-bench).
#   bench/transforms.sh           headless (Qt's offscreen platform)
#   bench/transforms.sh xvfb      in a virtual X display
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
export BUILD_DIR
bench/build_targets.sh editor_transform_bench
bench="$BUILD_DIR/bench/editor/editor_transform_bench"
if [ "${1:-}" = xvfb ]; then
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$bench"
else
    QT_QPA_PLATFORM=offscreen "$bench"
fi
