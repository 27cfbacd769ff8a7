#!/usr/bin/env bash
# SHA-256 throughput of the recipes' hashing: in memory with each engine, and over files as
# build --check reads them (the export of 20,902 CJK glyphs with the default script, and the
# CJK font itself), beside the system's sha256sum over the same files in the same run.
#
#   bench/sha256.sh            (RUNS=7 MEGABYTES=64 BUILD_DIR=build-bench by default)
#
# Installs fonts-droid-fallback when it is missing (as root or with sudo).
set -euo pipefail

cd "$(dirname "$0")/.."
REPO=$(pwd)
BUILD_DIR=${BUILD_DIR:-build-bench}
RUNS=${RUNS:-7}
MEGABYTES=${MEGABYTES:-64}
OUT=$REPO/bench/out
CLI=$REPO/$BUILD_DIR/bin/tessellon-cli

. "$REPO/bench/bench_lib.sh"
install_missing fonts-droid-fallback
FONT=$(dpkg -L fonts-droid-fallback | grep '/DroidSansFallbackFull.ttf$' | head -n 1)
mkdir -p "$OUT"
BUILD_DIR=$BUILD_DIR "$REPO/bench/build_targets.sh" sha256_bench tessellon-cli tessellon_charsets

"$CLI" make "$OUT/cjk16.pix" --width 16 --height 16 --font "$FONT" --px 16 \
    --ranges 4E00-9FA5 >/dev/null
"$CLI" export "$OUT/cjk16.pix" -o "$OUT/cjk16.c" >/dev/null

echo "load $(cut -d' ' -f1-3 /proc/loadavg)"
"$REPO/$BUILD_DIR/bench/sha256_bench" "$MEGABYTES" "$RUNS" "$OUT/cjk16.c" "$FONT"
for file in "$OUT/cjk16.c" "$FONT"; do
    sha256sum "$file" >/dev/null
    times=()
    for _ in $(seq "$RUNS"); do
        times+=("$(time_run /dev/null sha256sum "$file")")
    done
    read -r best median <<<"$(printf '%s\n' "${times[@]}" | best_and_median)"
    megabytes=$(awk -v s="$(stat -c %s "$file")" 'BEGIN { printf "%.1f", s / 1048576 }')
    echo "sha256sum $file: $megabytes MB in $best s best, $median s median (a process each)"
done
