#!/bin/sh
# Remakes the screenshots of the export dialog: starts the editor in a virtual X display
# (xvfb-run) with no stored export script, opens a sample font, chooses File > Export...,
# and takes the dialog as it opens, after an export, on its Help page and after a compile
# error. The manual shows the same pictures, from doc/images/. Needs xvfb, xdotool and
# imagemagick; builds what it needs in BUILD_DIR (default build-bench).
set -eu
cd "$(dirname "$0")/../.."
. docs/screenshots/window_lib.sh
in_virtual_display "tessellon make_sample_pix" "$0" "$@"
OUT=docs/screenshots
MANUAL=doc/images
WORK=$(mktemp -d)
mkdir -p "$MANUAL"
# The first export of a fresh program shows the default script.
rm -f "$BUILD_DIR/bin/tessellon.spt"
trap 'kill ${EDITOR:-} 2>/dev/null; rm -rf "$WORK"; rm -f "$BUILD_DIR/bin/tessellon.spt"' EXIT
open_sample_font
# The toolbar's Export button.
xdotool mousemove 213 50 click 1
sleep 1.5
xdotool type --delay 20 "$WORK/sample.c"
xdotool key Return
sleep 1.5

dialog=$(window_named "Export font lib")
eval "$(xdotool getwindowgeometry --shell "$dialog")"
shot() {
    import -window "$dialog" "$OUT/$1.png"
    cp "$OUT/$1.png" "$MANUAL/$1.png"
}
click() {
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
    sleep 1
}
shot export-dialog
click 453 20 # Export
shot export-dialog-done
test -s "$WORK/sample.c" || echo "note: the export wrote nothing" >&2
click 88 12 # the Help page
shot export-dialog-help
click 30 12 # the Export page
# A statement without its semicolon at the end of the script.
click 200 200
xdotool key ctrl+End
xdotool key Return
xdotool type --delay 20 "i = 1"
click 453 20
shot export-dialog-error
echo "screenshots written to $OUT and $MANUAL"
