#!/usr/bin/env bash
# The export targets: each over the 20,902 CJK glyphs U+4E00 to U+9FA5 of 16 x 16 made from
# Droid Sans Fallback, in-process (goal: under 150 ms), and the bytes GFX and LVGL take for
# the 95 glyphs 0x20-0x7E of the misc-fixed 7x14 and 10x20 fonts beside their formats' own
# converters.
#
#   bench/export_targets.sh            (RUNS=9 BUILD_DIR=build-bench by default)
#
# Installs fonts-droid-fallback, xfonts-base and pcf2bdf when they are missing.
set -euo pipefail

cd "$(dirname "$0")/.."
REPO=$(pwd)
BUILD_DIR=${BUILD_DIR:-build-bench}
RUNS=${RUNS:-9}
OUT=$REPO/bench/out
CLI=$REPO/$BUILD_DIR/bin/tessellon-cli

. "$REPO/bench/bench_lib.sh"

install_missing fonts-droid-fallback xfonts-base pcf2bdf
mkdir -p "$OUT"
BUILD_DIR=$BUILD_DIR "$REPO/bench/build_targets.sh" export_targets_bench tessellon-cli

FALLBACK=/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf
[ -s "$OUT/cjk16.pix" ] || "$CLI" make "$OUT/cjk16.pix" --width 16 --height 16 \
    --font "$FALLBACK" --px 16 --ranges 4E00-9FA5 >/dev/null
for name in 7x14 10x20; do
    pcf2bdf -o "$OUT/$name.bdf" "/usr/share/fonts/X11/misc/$name.pcf.gz"
done

echo "load $(cut -d' ' -f1-3 /proc/loadavg)"
"$REPO/$BUILD_DIR/bench/export_targets_bench" "$REPO/data/scripts" "$OUT" "$OUT/cjk16.pix" \
    "$OUT/7x14.bdf" "$OUT/10x20.bdf" "$RUNS"
