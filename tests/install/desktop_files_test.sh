#!/bin/sh
# The desktop entry, the .pix file type and the icons, checked with the desktop's own tools:
# desktop-file-validate, xmllint, update-mime-database and gio.
#   desktop_files_test.sh SOURCE_DIR
set -eu
SOURCE_DIR=$1
DATA=$SOURCE_DIR/data
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

ENTRY=$DATA/desktop/tessellon.desktop
desktop-file-validate "$ENTRY" || fail "desktop-file-validate refuses the entry"
for line in "Name=Tessellon" "GenericName=Bitmap Font Editor" "Exec=tessellon %F" \
    "Icon=tessellon" "Type=Application"; do
    grep -q -x "$line" "$ENTRY" || fail "the entry lacks $line"
done
for category in Graphics Development; do
    grep "^Categories=" "$ENTRY" | tr '=;' '\n\n' | grep -q -x "$category" \
        || fail "the entry is not in the category $category"
done
grep "^MimeType=" "$ENTRY" | tr '=;' '\n\n' | grep -q -x "application/x-tessellon-pix" \
    || fail "the entry does not open .pix files"

# A MIME database of the package alone, as the desktop builds it, and files typed by it.
MIME=$WORK/share/mime
mkdir -p "$MIME/packages"
xmllint --noout "$DATA/desktop/tessellon-mime.xml" || fail "the MIME package is not XML"
cp "$DATA/desktop/tessellon-mime.xml" "$MIME/packages/tessellon.xml"
XDG_DATA_DIRS=$WORK/share update-mime-database "$MIME" || fail "update-mime-database refuses the MIME package"
grep -q "application/x-tessellon-pix:\*\.pix" "$MIME/globs2" || fail "no glob *.pix"
printf 'FT\001\000\010\000\010\000' >"$WORK/font.pix"
printf 'FT\001\000\010\000\010\000' >"$WORK/font-without-extension"
printf 'GIF89a' >"$WORK/picture.pix"
content_type() {
    XDG_DATA_HOME=$WORK/share XDG_DATA_DIRS=$WORK/share gio info -a standard::content-type "$1" \
        | sed -n 's/^ *standard::content-type: //p'
}
[ "$(content_type "$WORK/font.pix")" = application/x-tessellon-pix ] \
    || fail "font.pix is typed $(content_type "$WORK/font.pix")"
[ "$(content_type "$WORK/font-without-extension")" = application/x-tessellon-pix ] \
    || fail "the magic FT is not recognised"

# The icons are what their script makes, at the size their folder names.
python3 "$DATA/icons/make_icons.py" "$WORK/icons"
for size in 16 22 24 32 48 64 128 256; do
    png=$DATA/icons/hicolor/${size}x${size}/tessellon.png
    cmp -s "$png" "$WORK/icons/hicolor/${size}x${size}/tessellon.png" \
        || fail "$png is not what make_icons.py makes"
    dimensions=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]))' "$png")
    [ "$dimensions" = "${size}x${size}" ] || fail "$png is $dimensions"
done
cmp -s "$DATA/icons/tessellon.svg" "$WORK/icons/tessellon.svg" || fail "the SVG icon is stale"
xmllint --noout "$DATA/icons/tessellon.svg" || fail "the SVG icon is not XML"
echo "desktop entry, file type and icons are valid"
