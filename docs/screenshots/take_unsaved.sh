#!/bin/sh
# Remakes unsaved-mark.png and toolbar.png: starts the editor in a virtual X display
# (xvfb-run), opens a sample font through File > Open, loads "A" into the pixel editor and
# writes two strokes into it with Update, then undoes the second: the font window's title
# and the Window menu's list show "*" after the name, and the toolbar's Undo and Redo are
# both enabled. The font window is moved out from under the menu for the second picture. The manual shows unsaved-mark.png too, from doc/images/. Needs xvfb,
# xdotool and imagemagick; it builds what it needs in BUILD_DIR (default build-bench).
set -eu
cd "$(dirname "$0")/../.."
. docs/screenshots/window_lib.sh
in_virtual_display "tessellon make_sample_pix" "$0" "$@"
OUT=docs/screenshots
WORK=$(mktemp -d)
trap 'kill ${EDITOR:-} 2>/dev/null; rm -rf "$WORK"' EXIT
open_sample_font
# Double-click "A" (grid row 2, column 0), then two strokes, each written with Update
# (Ctrl+Enter); the second is undone.
xdotool mousemove 206 150 click --repeat 2 --delay 80 1
sleep 0.5
for y in 280 320; do
    xdotool mousemove 25 "$y" mousedown 1 sleep 0.1 mousemove 115 "$((y - 20))" sleep 0.1 \
        mouseup 1
    sleep 0.3
    xdotool key ctrl+Return
    sleep 0.5
done
xdotool key ctrl+z
xdotool mousemove 700 600
sleep 1
import -window root -crop 372x66+0+18 "$OUT/toolbar.png"

# The font window dragged to the right by its title bar, out from under the Window menu.
xdotool mousemove 150 95 mousedown 1 sleep 0.2 mousemove 400 95 sleep 0.2 mousemove 590 95 \
    sleep 0.2 mouseup 1
sleep 0.5
xdotool key alt+w
sleep 1
import -window root -crop 1000x260+0+0 "$OUT/unsaved-mark.png"
xdotool key Escape
cp "$OUT/unsaved-mark.png" doc/images/unsaved-mark.png
echo "screenshots written to $OUT and doc/images"
