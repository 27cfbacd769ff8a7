#!/usr/bin/env bash
# Import unifont.hex (57,086 glyphs) into a font and write that font as a BDF file, beside
# otf2bdf making a BDF file of the same glyphs from unifont.otf, in the same run. Also times
# the same work through tessellon-cli convert, process start included.
#
#   bench/formats.sh            (RUNS=9 BUILD_DIR=build-bench by default)
#
# Installs unifont, fonts-unifont and otf2bdf when they are missing (as root or with sudo).
set -euo pipefail

cd "$(dirname "$0")/.."
REPO=$(pwd)
BUILD_DIR=${BUILD_DIR:-build-bench}
RUNS=${RUNS:-9}
OUT=$REPO/bench/out
CLI=$REPO/$BUILD_DIR/bin/tessellon-cli

. "$REPO/bench/bench_lib.sh"

# times_of LABEL COMMAND...: one warm-up run, then the best and median of RUNS runs.
times_of() {
    local label=$1
    shift
    "$@" >/dev/null 2>&1
    local times=()
    for _ in $(seq "$RUNS"); do
        times+=("$(time_run "$OUT/run.log" "$@")")
    done
    printf '%s\n' "${times[@]}" | best_and_median | awk -v label="$label" \
        '{ printf "%-34s best %7.1f ms  median %7.1f ms\n", label, $1 * 1000, $2 * 1000 }'
}

# otf2bdf exits with a status other than 0 even when it has written the font.
otf2bdf_of() {
    otf2bdf -p 16 -r 72 -o "$2" "$1" || [ -s "$2" ]
}

install_missing unifont fonts-unifont otf2bdf
HEX=/usr/share/unifont/unifont.hex
OTF=$(dpkg -L fonts-unifont | grep '/unifont\.otf$' | head -n 1)
mkdir -p "$OUT"
BUILD_DIR=$BUILD_DIR "$REPO/bench/build_targets.sh" formats_bench tessellon-cli

echo "$(grep -c . "$HEX") lines in $HEX, $RUNS runs, load $(cut -d' ' -f1-3 /proc/loadavg)"
"$REPO/$BUILD_DIR/bench/formats_bench" "$HEX" "$OUT" "$RUNS"
times_of "tessellon-cli convert .hex to .pix" "$CLI" convert "$HEX" "$OUT/unifont.pix"
times_of "tessellon-cli convert .pix to .bdf" "$CLI" convert "$OUT/unifont.pix" "$OUT/unifont.bdf"
times_of "otf2bdf unifont.otf to .bdf" otf2bdf_of "$OTF" "$OUT/otf2bdf.bdf"
echo "glyphs in the BDF files: tessellon $(grep -c '^STARTCHAR' "$OUT/unifont.bdf"), otf2bdf $(grep -c '^STARTCHAR' "$OUT/otf2bdf.bdf")"
