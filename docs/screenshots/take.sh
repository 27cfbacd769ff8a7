#!/bin/sh
# Remakes the screenshots of this folder: starts the editor in a virtual X display (xvfb-run),
# opens a sample font through File > Open, loads "A" into the pixel editor, draws on it, opens
# the Edit, Glyph and Window menus, shows the text preview in its three colour schemes, and
# shows the about box. The manual shows the main window, the Glyph menu and the text preview
# too, from doc/images/. Needs xvfb, xdotool and imagemagick; it builds what it needs in
# BUILD_DIR (default build-bench).
set -eu
cd "$(dirname "$0")/../.."
. docs/screenshots/window_lib.sh
in_virtual_display "tessellon make_sample_pix" "$0" "$@"
OUT=docs/screenshots
WORK=$(mktemp -d)
trap 'kill ${EDITOR:-} 2>/dev/null; rm -rf "$WORK"' EXIT
open_sample_font
# Double-click "A" (grid row 2, column 0), draw a stroke across it, rest on the white pen
# (its hint in the status bar, taken before its tooltip would cover the edit buffer's bar).
xdotool mousemove 206 150 click --repeat 2 --delay 80 1
sleep 0.5
xdotool mousemove 25 300 mousedown 1 sleep 0.1 mousemove 115 280 sleep 0.1 mouseup 1
sleep 1
xdotool mousemove 64 127
sleep 0.3
import -window root -crop 1000x700+0+0 "$OUT/main-window.png"

# The Edit and Window menus with their entries' pictures.
for menu in edit:e window:w; do
    xdotool windowfocus "$main"
    xdotool key "alt+${menu#*:}"
    sleep 1
    import -window root -crop 420x260+0+0 "$OUT/${menu%:*}-menu.png"
    xdotool key Escape
    sleep 0.5
done

# The Glyph menu over the font window, the picture still marked as not written.
xdotool windowfocus "$main"
xdotool key alt+g
sleep 1
import -window root -crop 560x510+0+0 "$OUT/glyph-menu.png"
xdotool key Escape
sleep 0.5

# The text preview under the grid of the maximised font window, made taller, in each of its
# colour schemes: text typed, the 160 x 128 display at 2x.
xdotool mousemove 300 94 click --repeat 2 --delay 80 1
sleep 1
xdotool key alt+v
sleep 0.5
xdotool key t
sleep 1
xdotool mousemove 598 460 mousedown 1 sleep 0.2 mousemove 598 380 sleep 0.2 mousemove 598 300 \
    sleep 0.2 mouseup 1
sleep 0.5
xdotool mousemove 600 314 click 1
xdotool key ctrl+a
xdotool type --delay 30 'Hello, world! Привет ΑΒΓΔ 12:45 €'
xdotool key Tab Down Down Tab Tab
xdotool mousemove 900 200
for scheme in oled lcd paper; do
    sleep 1
    import -window root -crop 804x386+196+296 "$OUT/text-preview-$scheme.png"
    xdotool key Down
done

xdotool windowfocus "$main"
xdotool key alt+h
sleep 0.5
xdotool key a
sleep 1
about=$(window_named "About")
import -window "$about" "$OUT/about-box.png"
# The manual shows these too.
for name in main-window glyph-menu text-preview-oled text-preview-lcd text-preview-paper; do
    cp "$OUT/$name.png" "doc/images/$name.png"
done
echo "screenshots written to $OUT and doc/images"
