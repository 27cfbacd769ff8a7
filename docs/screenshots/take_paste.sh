#!/bin/sh
# Remakes glyph-paste.png: starts the editor in a virtual X display (xvfb-run), opens a
# sample font through File > Open, maximises its window, selects the letters A to H and a to h,
# copies them with Ctrl+C and pastes them with Ctrl+V over the Cyrillic letters further down,
# which leaves the pasted block selected. The manual shows the same picture, from
# doc/images/. Needs xvfb, xdotool and imagemagick; it builds what it needs in BUILD_DIR
# (default build-bench).
set -eu
cd "$(dirname "$0")/../.."
. docs/screenshots/window_lib.sh
in_virtual_display "tessellon make_sample_pix" "$0" "$@"
OUT=docs/screenshots
WORK=$(mktemp -d)
trap 'kill ${EDITOR:-} 2>/dev/null; rm -rf "$WORK"' EXIT
open_sample_font
# Maximise the font's window, so that every grid column shows.
xdotool mousemove 517 94 click 1
sleep 1

# Cell (column c, row r) of the grid lies at x = GRID_X + 13 c, y = GRID_Y + 17 (r - 1).
GRID_X=${GRID_X:-203}
GRID_Y=${GRID_Y:-109}
cell() { echo "$((GRID_X + 13 * $1)) $((GRID_Y + 17 * ($2 - 1)))"; }
# Drag over rows 2 and 3, columns 0 to 7 (A to H, a to h), then copy.
xdotool mousemove $(cell 0 2) mousedown 1 sleep 0.2 mousemove $(cell 3 3) sleep 0.2 \
    mousemove $(cell 7 3) sleep 0.2 mouseup 1
sleep 0.3
xdotool key ctrl+c
sleep 0.5
# Paste at row 7, column 14, over Cyrillic letters.
xdotool mousemove $(cell 14 7) click 1
sleep 0.3
xdotool key ctrl+v
sleep 0.5
xdotool mousemove 700 560
sleep 1
import -window root -crop 1000x700+0+0 "$OUT/glyph-paste.png"
# The manual shows it too.
cp "$OUT/glyph-paste.png" doc/images/glyph-paste.png
echo "screenshot written to $OUT/glyph-paste.png and doc/images"
