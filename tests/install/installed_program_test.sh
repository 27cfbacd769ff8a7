#!/bin/sh
# Installs the build into a temporary prefix and uses the installed programs from a folder
# of their own, as a user of the installed programs would: the character sets, the manual,
# the scripts and the decoder are found under share/tessellon, nothing beside the build.
#   installed_program_test.sh BUILD_DIR CMAKE
set -eu
BUILD_DIR=$1
CMAKE=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PREFIX=$WORK/prefix
"$CMAKE" --install "$BUILD_DIR" --prefix "$PREFIX" >/dev/null

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for file in bin/tessellon bin/tessellon-cli lib/tessellon/tessellon-cli-drawing.so \
    share/tessellon/txt/ascii.txt \
    share/tessellon/txt/latin1.txt share/tessellon/doc/help.html \
    share/tessellon/scripts/default.spt share/tessellon/scripts/oled_pages.spt \
    share/tessellon/scripts/gfx_font.spt share/tessellon/include/tessellon_font.h \
    share/tessellon/decoder/tessellon_compact.c share/tessellon/decoder/tessellon_compact.h \
    share/applications/tessellon.desktop share/mime/packages/tessellon.xml \
    share/icons/hicolor/scalable/apps/tessellon.svg; do
    [ -f "$PREFIX/$file" ] || fail "$file is not installed"
done
for size in 16 22 24 32 48 64 128 256; do
    [ -f "$PREFIX/share/icons/hicolor/${size}x${size}/apps/tessellon.png" ] \
        || fail "the ${size}x${size} icon is not installed"
done
# Nothing but the programs goes in bin/.
extra=$(ls "$PREFIX/bin" | grep -v -x -e tessellon -e tessellon-cli || true)
[ -z "$extra" ] || fail "bin/ holds more than the programs: $extra"

mkdir "$WORK/fonts"
cd "$WORK/fonts"
# A bare character-set name is one the program ships.
"$PREFIX/bin/tessellon-cli" make font.pix --width 8 --height 12 --font "DejaVu Sans Mono" \
    --px 11 --charset ascii.txt >make.out 2>&1 || { cat make.out; fail "make"; }
grep -q "^font.pix: 95 glyphs of 8x12" make.out || { cat make.out; fail "make's report"; }
"$PREFIX/bin/tessellon-cli" export font.pix -o font.c >export.out 2>&1 \
    || { cat export.out; fail "export with the default script"; }
grep -q "^OK" export.out || { cat export.out; fail "export's report"; }
grep -q "uc2_0041\[\]" font.c || fail "the export holds no glyph A"
"$PREFIX/bin/tessellon-cli" export font.pix -o oled.c \
    -s "$PREFIX/share/tessellon/scripts/oled_pages.spt" >/dev/null 2>&1 \
    || fail "export with an installed example script"
[ -s oled.c ] || fail "the example script wrote nothing"
"$PREFIX/bin/tessellon-cli" export font.pix -o target.c --target tessellon >target.out 2>&1 \
    || { cat target.out; fail "export to the tessellon target"; }
cmp -s tessellon_font.h "$PREFIX/share/tessellon/include/tessellon_font.h" \
    || fail "the tessellon target placed no copy of the installed header"
rm target.out target.c tessellon_font.h
"$PREFIX/bin/tessellon" --version | grep -q "^tessellon [0-9]" || fail "tessellon --version"
[ "$(ls)" = "$(printf 'export.out\nfont.c\nfont.pix\nmake.out\noled.c')" ] \
    || fail "the programs left other files in the working folder: $(ls)"
echo "installed programs work from $PREFIX"
