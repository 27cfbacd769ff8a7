#!/usr/bin/env bash
# Peak memory of `tessellon-cli convert` on large inputs, beside the bound each must stay
# under: 2.5 times the larger of the font it makes (its glyph bytes) and the picture it
# decodes (4 bytes a pixel), plus 64 MB.
#
#   empty-256.bdf -> .bdf   65,536 empty glyphs in a 256 x 256 box (3.8 MB) written as BDF (1.1 GB)
#   empty-256.bdf -> .pix   the same font written as .pix (512 MB)
#   sheet.png -> .pix       an 8192 x 8192 PNG read as a sheet of 16 x 16 cells
#   sheet.bmp -> .pix       the same picture as a 24-bit BMP (192 MB)
#
#   bench/reader_memory.sh      (BUILD_DIR=build-bench by default)
#
# bench/reader_inputs.py makes the inputs in a scratch folder, which needs about 1.5 GB of
# disk. Installs `time` (GNU time, for its peak resident size) when it is missing (as root or
# with sudo).
set -euo pipefail

cd "$(dirname "$0")/.."
REPO=$(pwd)
BUILD_DIR=${BUILD_DIR:-build-bench}
CLI=$REPO/$BUILD_DIR/bin/tessellon-cli

. "$REPO/bench/bench_lib.sh"

install_missing time
BUILD_DIR=$BUILD_DIR "$REPO/bench/build_targets.sh" tessellon-cli

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
python3 "$REPO/bench/reader_inputs.py" "$scratch"

mib=$((1024 * 1024))
font_256=$((65536 * 32 * 256))   # 65,536 glyphs of 256 x 256: 32 bytes a row
sheet_font=$((262144 * 2 * 16))  # 512 x 512 cells of 16 x 16: 2 bytes a row
picture=$((8192 * 8192 * 4))

# measure LABEL FONT_BYTES PICTURE_BYTES ARGUMENTS...: one convert, its peak beside its bound.
measure() {
    local label=$1 font=$2 decoded=$3
    shift 3
    local status=0
    /usr/bin/time -f '%M %e' -o "$scratch/time" "$CLI" convert "$@" >/dev/null 2>"$scratch/err" ||
        status=$?
    read -r kilobytes elapsed < <(tail -n 1 "$scratch/time")
    local larger=$((font > decoded ? font : decoded))
    awk -v l="$label" -v k="$kilobytes" -v b="$larger" -v m="$mib" -v s="$status" -v e="$elapsed" \
        'BEGIN { peak = k / 1024; bound = 2.5 * b / m + 64
                 printf "%-26s peak %7.1f MB  bound %7.1f MB  %s  exit %s  %6.2f s\n", l, peak,
                     bound, peak < bound ? "under" : "OVER", s, e }'
    head -n 1 "$scratch/err" | sed 's/^/    /'
    rm -f "$scratch"/out.*
}

echo "tessellon-cli convert, peak resident size (MB = MiB), load $(cut -d' ' -f1-3 /proc/loadavg)"
measure "empty-256.bdf -> .bdf" "$font_256" 0 "$scratch/empty-256.bdf" "$scratch/out.bdf"
measure "empty-256.bdf -> .pix" "$font_256" 0 "$scratch/empty-256.bdf" "$scratch/out.pix"
measure "8192 x 8192 PNG -> .pix" "$sheet_font" "$picture" "$scratch/sheet.png" \
    "$scratch/out.pix" --cell 16x16
measure "8192 x 8192 BMP -> .pix" "$sheet_font" "$picture" "$scratch/sheet.bmp" \
    "$scratch/out.pix" --cell 16x16
