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

install_missing() {
    local missing=""
    for package in unifont fonts-unifont otf2bdf; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $package"
        fi
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing" >&2
    local as_root=""
    [ "$(id -u)" -ne 0 ] && as_root="sudo"
    $as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing >&2
}

# Wall time of one run of a command, in milliseconds.
time_run() {
    local start=$EPOCHREALTIME
    "$@" >/dev/null 2>&1 || true
    local end=$EPOCHREALTIME
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f\n", (b - a) * 1000 }'
}

best_and_median() {
    sort -g | awk '{ t[NR] = $1 } END { printf "best %7.1f ms  median %7.1f ms", t[1], t[int((NR + 1) / 2)] }'
}

times_of() {
    local label=$1
    shift
    "$@" >/dev/null 2>&1 || true
    local times=()
    for _ in $(seq "$RUNS"); do
        times+=("$(time_run "$@")")
    done
    printf '%-34s %s\n' "$label" "$(printf '%s\n' "${times[@]}" | best_and_median)"
}

install_missing
HEX=/usr/share/unifont/unifont.hex
OTF=$(dpkg -L fonts-unifont | grep '/unifont\.otf$' | head -n 1)
mkdir -p "$OUT"
BUILD_DIR=$BUILD_DIR "$REPO/bench/build_targets.sh" formats_bench tessellon-cli

echo "$(grep -c . "$HEX") lines in $HEX, $RUNS runs, load $(cut -d' ' -f1-3 /proc/loadavg)"
"$REPO/$BUILD_DIR/bench/formats_bench" "$HEX" "$OUT" "$RUNS"
times_of "tessellon-cli convert .hex to .pix" "$CLI" convert "$HEX" "$OUT/unifont.pix"
times_of "tessellon-cli convert .pix to .bdf" "$CLI" convert "$OUT/unifont.pix" "$OUT/unifont.bdf"
# otf2bdf exits with a status other than 0 even when it has written the font.
times_of "otf2bdf unifont.otf to .bdf" otf2bdf -p 16 -r 72 -o "$OUT/otf2bdf.bdf" "$OTF"
echo "glyphs in the BDF files: tessellon $(grep -c '^STARTCHAR' "$OUT/unifont.bdf"), otf2bdf $(grep -c '^STARTCHAR' "$OUT/otf2bdf.bdf")"
