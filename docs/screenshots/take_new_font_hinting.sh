#!/bin/sh
# Remakes the screenshot of the Create font dialog with a hinting style chosen: starts the
# editor in a virtual X display (xvfb-run), opens File > New, chooses Auto-hinter in the
# Hinting list below the buttons, types a preview text and presses Preview. The manual
# shows the same picture, from doc/images/. Needs xvfb, xdotool and imagemagick; it builds
# what it needs in BUILD_DIR (default build-bench).
set -eu
cd "$(dirname "$0")/../.."
. docs/screenshots/window_lib.sh
in_virtual_display "tessellon tessellon_charsets" "$0" "$@"
OUT=docs/screenshots
trap 'kill ${EDITOR:-} 2>/dev/null' EXIT
start_editor
xdotool windowfocus "$main"
sleep 0.5
xdotool key ctrl+n
sleep 1.5
dialog=$(window_named "Create font")
# The preview text, typed over the old one.
xdotool mousemove --window "$dialog" 400 285 click --repeat 3 1
xdotool type --delay 40 "Hamburg 0123"
# Auto-hinter, the second style of the list.
xdotool mousemove --window "$dialog" 418 385 click 1
sleep 0.5
xdotool key Down Return
sleep 0.5
xdotool mousemove --window "$dialog" 480 350 click 1
sleep 1
import -window "$dialog" "$OUT/new-font-hinting.png"
cp "$OUT/new-font-hinting.png" doc/images/new-font-hinting.png
echo "screenshot written to $OUT and doc/images"
