#!/bin/sh
# The commands that draw nothing run without Qt's graphics library: with an unloadable
# libQt6Gui.so.6 (and libQt6Core.so.6) first on the library path, info, export, convert
# between the core's formats, --help and --version still work, while make says clearly that
# its drawing part cannot be loaded.
#   light_start_test.sh TESSELLON_CLI TEST_DATA_DIR
set -eu
CLI=$1
DATA=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

mkdir "$WORK/broken"
: >"$WORK/broken/libQt6Gui.so.6"
: >"$WORK/broken/libQt6Core.so.6"
without_qt() {
    LD_LIBRARY_PATH="$WORK/broken" "$CLI" "$@"
}
cd "$WORK"
FONT=$DATA/fonts/sample.pix
[ -f "$FONT" ] || fail "no test font $FONT"

without_qt --version | grep -q "^tessellon-cli [0-9]" || fail "--version"
without_qt --help | grep -q "^Usage: tessellon-cli" || fail "--help"
without_qt info "$FONT" | grep -q "^glyphs: " || fail "info"
without_qt export "$FONT" -o font.c >export.out 2>&1 || { cat export.out; fail "export"; }
[ -s font.c ] || fail "export wrote nothing"
without_qt export "$FONT" -o gfx.h --target gfx >/dev/null 2>&1 || fail "export --target gfx"
without_qt convert "$FONT" font.bdf >/dev/null 2>&1 || fail "convert to BDF"
without_qt convert font.bdf back.pix >/dev/null 2>&1 || fail "convert from BDF"
without_qt info font.bdf | grep -q "^format: BDF font" || fail "info of a BDF font"
without_qt export font.bdf -o bdf.c >/dev/null 2>&1 || fail "export of a BDF font"

# Drawing needs the library: refused with the reason, nothing written.
status=0
without_qt make made.pix --width 8 --height 8 --font "DejaVu Sans" --px 8 --ranges 41-42 \
    >make.out 2>&1 || status=$?
[ "$status" -eq 2 ] || { cat make.out; fail "make without Qt Gui exited $status"; }
grep -q "drawing part of the program cannot be loaded: .*libQt6" make.out \
    || { cat make.out; fail "make's message"; }
[ ! -e made.pix ] || fail "make wrote a font without Qt Gui"
status=0
without_qt convert "$FONT" sheet.png >sheet.out 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "a picture sheet without Qt Gui exited $status"

# With the library, the same program draws.
"$CLI" make made.pix --width 8 --height 8 --font "DejaVu Sans" --px 8 --ranges 41-42 \
    >make.out 2>&1 || { cat make.out; fail "make"; }
"$CLI" convert "$FONT" sheet.png >/dev/null 2>&1 || fail "convert to a picture sheet"
echo "the commands that draw nothing ran without Qt Gui"
