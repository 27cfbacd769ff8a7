#!/bin/sh
# Redraws the manual's picture of the four hinting styles (doc/images/hinting-styles.png):
# tessellon-cli makes a font of the sample text in every style for DejaVu Sans and Liberation
# Mono at 8, 10, 12 and 16 px (glyphs px wide and px + px/4 high), and hinting_picture puts
# them side by side. Builds in BUILD_DIR (default build-bench).
set -eu
cd "$(dirname "$0")/../.."
BUILD_DIR=${BUILD_DIR:-build-bench}
export BUILD_DIR
bench/build_targets.sh tessellon-cli hinting_picture
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
printf '%s' "Hamburg 0123" >"$WORK/text.txt"
STYLES="system auto light none"
set --
for family in "DejaVu Sans" "Liberation Mono"; do
    for px in 8 10 12 16; do
        row="$family $px px"
        for style in $STYLES; do
            font="$WORK/$(echo "$family" | tr ' ' '-')-$px-$style.pix"
            "$BUILD_DIR/bin/tessellon-cli" make "$font" --width "$px" \
                --height $((px + px / 4)) --font "$family" --px "$px" --hinting "$style" \
                --charset "$WORK/text.txt" >/dev/null
            row="$row|$font"
        done
        set -- "$@" "$row"
    done
done
mkdir -p doc/images
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bench/tools/hinting_picture" doc/images/hinting-styles.png "$@"
echo "picture written to doc/images/hinting-styles.png"
