#!/usr/bin/env bash
# Compact fonts: the bytes of four fonts beside the best figures other converters give for the
# same pixels, the C decoder's code size for x86-64 and Cortex-M0, and its speed over 20,902
# CJK glyphs. Prints the command that made each font.
#
#   bench/compact.sh            (RUNS=20 BUILD_DIR=build-bench by default)
#
# Installs xfonts-base, pcf2bdf, fonts-dejavu-core, fonts-droid-fallback and
# gcc-arm-none-eabi when they are missing (as root or with sudo).
set -euo pipefail

cd "$(dirname "$0")/.."
REPO=$(pwd)
BUILD_DIR=${BUILD_DIR:-build-bench}
RUNS=${RUNS:-20}
OUT=$REPO/bench/out/compact
CLI=$REPO/$BUILD_DIR/bin/tessellon-cli
DECODER=$REPO/data/decoder/tessellon_compact.c

. "$REPO/bench/bench_lib.sh"
install_missing xfonts-base pcf2bdf fonts-dejavu-core fonts-droid-fallback gcc-arm-none-eabi
DEJAVU=$(dpkg -L fonts-dejavu-core | grep '/DejaVuSans\.ttf$' | head -n 1)
DROID=$(dpkg -L fonts-droid-fallback | grep '/DroidSansFallbackFull\.ttf$' | head -n 1)
mkdir -p "$OUT"
BUILD_DIR=$BUILD_DIR "$REPO/bench/build_targets.sh" compact_bench tessellon-cli tessellon_charsets

# run COMMAND...: prints the command, then runs it quietly.
run() {
    echo "  $*"
    "$@" >/dev/null
}

echo "fonts:"
run pcf2bdf -o "$OUT/7x14.bdf" /usr/share/fonts/X11/misc/7x14.pcf.gz
run pcf2bdf -o "$OUT/10x20.bdf" /usr/share/fonts/X11/misc/10x20.pcf.gz
run "$CLI" make "$OUT/dejavu-sans-16.pix" --width 16 --height 19 --font "$DEJAVU" --px 16 \
    --ranges 20-7E
run "$CLI" make "$OUT/droid-cjk-16.pix" --width 16 --height 16 --font "$DROID" --px 16 \
    --ranges 4E00-9FA5
echo "  (the BDF fonts read by the BDF reader, codes 20-7E kept; best peers as published)"
echo

"$REPO/$BUILD_DIR/bench/compact_bench" "$RUNS" \
    "misc-fixed 7x14" "$OUT/7x14.bdf" fixed 1154 "u8g2" 1040 \
    "misc-fixed 10x20" "$OUT/10x20.bdf" fixed 1340 "run-length converter" 1200 \
    "DejaVu Sans 16 px, proportional" "$OUT/dejavu-sans-16.pix" proportional 1539 "u8g2" 1385 \
    "Droid Sans Fallback CJK 16 x 16" "$OUT/droid-cjk-16.pix" fixed 675532 "binary 1 bpp" 600000
echo

echo "decoder $DECODER:"
awk '/\/\*/ { comment = 1 } !comment && NF { code++ } /\*\// { comment = 0 } END {
    printf "  %d lines of code (without comments and blank lines), %d in all\n", code, NR }' "$DECODER"
gcc -std=c99 -Os -c "$DECODER" -o "$OUT/decoder-x86-64.o"
arm-none-eabi-gcc -std=c99 -mcpu=cortex-m0 -mthumb -Os -c "$DECODER" -o "$OUT/decoder-m0.o"
echo "  text of gcc -std=c99 -Os -c (x86-64): $(size "$OUT/decoder-x86-64.o" | awk 'NR == 2 { print $1 }') bytes"
echo "  text of arm-none-eabi-gcc -std=c99 -mcpu=cortex-m0 -mthumb -Os -c: $(arm-none-eabi-size "$OUT/decoder-m0.o" | awk 'NR == 2 { print $1 }') bytes (goal under 1.5 KB)"
echo "load $(cut -d' ' -f1-3 /proc/loadavg)"
