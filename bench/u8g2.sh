#!/usr/bin/env bash
# u8g2 font data: the size for the misc-fixed 7x14 and 10x20 fonts of xfonts-base (95 glyphs,
# 0x20-0x7E, imported from BDF) beside the u8g2 project's own converter's figures, and the time
# to encode 20,902 CJK glyphs of 16 x 16 (U+4E00-9FA5 made from Droid Sans Fallback, and
# random pixels).
#
#   bench/u8g2.sh            (RUNS=15 BUILD_DIR=build-bench by default)
#
# Installs xfonts-base, pcf2bdf and fonts-droid-fallback when they are missing (as root or
# with sudo); the BDF files and the CJK font go to bench/out/.
set -euo pipefail

cd "$(dirname "$0")/.."
REPO=$(pwd)
BUILD_DIR=${BUILD_DIR:-build-bench}
RUNS=${RUNS:-15}
OUT=$REPO/bench/out
CLI=$REPO/$BUILD_DIR/bin/tessellon-cli

. "$REPO/bench/bench_lib.sh"
install_missing xfonts-base pcf2bdf fonts-droid-fallback
FONT=$(dpkg -L fonts-droid-fallback | grep '/DroidSansFallbackFull.ttf$' | head -n 1)
mkdir -p "$OUT"
BUILD_DIR=$BUILD_DIR "$REPO/bench/build_targets.sh" u8g2_bench tessellon-cli tessellon_charsets

for name in 7x14 10x20; do
    pcf2bdf -o "$OUT/$name.bdf" "/usr/share/fonts/X11/misc/$name.pcf.gz"
done
"$CLI" make "$OUT/cjk16.pix" --width 16 --height 16 --font "$FONT" --px 16 \
    --ranges 4E00-9FA5 >/dev/null

echo "load $(cut -d' ' -f1-3 /proc/loadavg)"
"$REPO/$BUILD_DIR/bench/u8g2_bench" "$OUT/7x14.bdf" "$OUT/10x20.bdf" "$RUNS" "$OUT/cjk16.pix"
