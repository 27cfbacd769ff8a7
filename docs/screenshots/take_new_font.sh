#!/bin/sh
# Remakes the screenshots of making a font in the editor: starts the editor in a virtual X
# display (xvfb-run); File > New with gb2312.txt, the font sized to the glyphs and a preview
# text of its own, and the font made; then a second New of 48 x 48 glyphs from a range of
# 65,504 codes, whose progress dialog is shown and cancelled. The manual shows the same
# pictures, from doc/images/. Needs xvfb, xdotool and imagemagick; it builds what it needs
# in BUILD_DIR (default build-bench).
set -eu
cd "$(dirname "$0")/../.."
. docs/screenshots/window_lib.sh
in_virtual_display "tessellon tessellon_charsets" "$0" "$@"
OUT=docs/screenshots
trap 'kill ${EDITOR:-} 2>/dev/null' EXIT
start_editor
xdotool windowsize "$main" 1000 700
xdotool windowfocus "$main"
sleep 0.5
xdotool key ctrl+n
sleep 1.5
dialog=$(window_named "Create font")
# gb2312.txt is the fourth file of the list.
xdotool mousemove --window "$dialog" 60 50 click 1 key Down Down Down
# Glyphs of 16 x 16 (the defaults), Auto size, a preview text with two hanzi, Preview.
xdotool mousemove --window "$dialog" 390 220 click 1
sleep 0.3
xdotool mousemove --window "$dialog" 400 285 click --repeat 3 1
xdotool type --delay 40 "ABC gy "
xdotool key --delay 40 U6C49 U5B57
xdotool mousemove --window "$dialog" 480 350 click 1
sleep 1
import -window "$dialog" "$OUT/new-font-dialog.png"

# OK; the font made, scrolled to the hanzi, one of them loaded into the pixel editor.
xdotool mousemove --window "$dialog" 310 350 click 1
sleep 3
xdotool mousemove 362 300 click --repeat 40 --delay 30 5
sleep 0.5
xdotool mousemove 362 251 click --repeat 2 --delay 80 1
xdotool mousemove 700 400
sleep 1
import -window root -crop 1000x700+0+0 "$OUT/new-font-made.png"

# A second, larger font: U+0020-FFFF at 48 x 48, typed into the range grid.
xdotool windowfocus "$main"
xdotool key ctrl+n
sleep 1.5
dialog=$(window_named "Create font")
xdotool mousemove --window "$dialog" 70 184 click 1
sleep 0.3
xdotool mousemove --window "$dialog" 68 269 click 1
xdotool type --delay 40 "20"
xdotool key Tab
xdotool type --delay 40 "FFFF"
for field in 51 89; do
    xdotool mousemove --window "$dialog" 309 "$field" click --repeat 3 1
    xdotool type --delay 40 "48"
done
xdotool mousemove --window "$dialog" 390 220 click 1
sleep 0.5
xdotool mousemove --window "$dialog" 310 350 click 1
sleep 0.5
progress=$(window_named "Making pixel font")
import -window "$progress" "$OUT/progress-dialog.png"
xdotool key Escape
sleep 1
# The manual shows these too.
for name in new-font-dialog new-font-made progress-dialog; do
    cp "$OUT/$name.png" "doc/images/$name.png"
done
echo "screenshots written to $OUT and doc/images"
