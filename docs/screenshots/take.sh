#!/bin/sh
# Remakes the screenshots of this folder: starts the editor in a virtual X display, opens a
# sample font through File > Open, loads "A" into the pixel editor, draws on it, and shows
# the about box. Needs xvfb, xdotool and imagemagick, and a build in BUILD_DIR.
set -eu
cd "$(dirname "$0")/../.."
BUILD_DIR=${BUILD_DIR:-build-bench}
export BUILD_DIR
OUT=docs/screenshots
WORK=$(mktemp -d)
bench/build_targets.sh tessellon make_sample_pix
"$BUILD_DIR/bench/editor/make_sample_pix" "$WORK/sample.pix" 12 16

DISPLAY_NUMBER=${DISPLAY_NUMBER:-97}
export DISPLAY=:$DISPLAY_NUMBER
Xvfb "$DISPLAY" -screen 0 1280x900x24 >/dev/null 2>&1 &
XVFB=$!
trap 'kill $EDITOR $XVFB 2>/dev/null; rm -rf "$WORK"' EXIT
sleep 1
"$BUILD_DIR/bin/tessellon" >/dev/null 2>&1 &
EDITOR=$!
sleep 2

main=$(xdotool search --name '^Tessellon$' | head -1)
xdotool windowsize "$main" 1000 700
xdotool windowfocus "$main"
sleep 0.5
xdotool key ctrl+o
sleep 1.5
xdotool type --delay 20 "$WORK/sample.pix"
xdotool key Return
sleep 1.5
# Double-click "A" (grid row 2, column 0), draw a stroke, rest on the white pen.
xdotool mousemove 206 150 click --repeat 2 --delay 80 1
sleep 0.5
xdotool mousemove 85 180 mousedown 1 sleep 0.1 mousemove 95 180 sleep 0.1 mouseup 1
xdotool mousemove 64 127
sleep 1.5
import -window root -crop 1000x700+0+0 "$OUT/main-window.png"

xdotool windowfocus "$main"
xdotool key alt+h
sleep 0.5
xdotool key a
sleep 1
about=$(xdotool search --name '^About$' | head -1)
import -window "$about" "$OUT/about-box.png"
echo "screenshots written to $OUT"
