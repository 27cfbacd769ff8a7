#!/bin/sh
# Redraws the manual's pictures of the six glyph layouts and of the drawing offset
# (doc/pictures/*.svg) with the export's own emitters. Builds in BUILD_DIR (default
# build-bench).
set -eu
cd "$(dirname "$0")/../.."
BUILD_DIR=${BUILD_DIR:-build-bench}
export BUILD_DIR
bench/build_targets.sh layout_pictures
mkdir -p doc/pictures
"$BUILD_DIR/bench/tools/layout_pictures" doc/pictures
echo "pictures written to doc/pictures"
