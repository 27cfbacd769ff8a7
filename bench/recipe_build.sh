#!/usr/bin/env bash
# Font recipes over the 20,902 CJK glyphs of U+4E00-9FA5 drawn from Droid Sans Fallback at
# 16 x 16, with two outputs of the default script (4.4 MB each):
#   - build --check of the up-to-date recipe (it reads the stamp, hashes the outputs and
#     draws nothing), and the same after the font file was touched (hashed again);
#   - build of the recipe beside make plus two exports of the same font, in the same run.
# Prints the best and median wall time of each over RUNS runs.
#
#   bench/recipe_build.sh            (RUNS=11 BUILD_DIR=build-bench by default)
#
# Installs fonts-droid-fallback when it is missing (as root or with sudo).
set -euo pipefail

cd "$(dirname "$0")/.."
REPO=$(pwd)
BUILD_DIR=${BUILD_DIR:-build-bench}
RUNS=${RUNS:-11}
OUT=$REPO/bench/out/recipe
CLI=$REPO/$BUILD_DIR/bin/tessellon-cli

. "$REPO/bench/bench_lib.sh"
install_missing fonts-droid-fallback
FONT=$(dpkg -L fonts-droid-fallback | grep '/DroidSansFallbackFull.ttf$' | head -n 1)
BUILD_DIR=$BUILD_DIR "$REPO/bench/build_targets.sh" tessellon-cli tessellon_charsets
rm -rf "$OUT"
mkdir -p "$OUT"
# A copy of the font whose time the benchmark may change.
cp -p "$FONT" "$OUT/cjk.ttf"
cat >"$OUT/cjk.tfont" <<RECIPE
font = cjk.ttf
size = 16
cell = 16x16
ranges = 4E00-9FA5
[output]
file = cjk_font.c
[output]
file = cjk_copy.c
RECIPE
touch -d '1 hour ago' "$OUT/cjk.tfont"

build() { "$CLI" build "$OUT/cjk.tfont"; }
check() { "$CLI" build --check "$OUT/cjk.tfont"; }
make_and_export() {
    "$CLI" make "$OUT/made.pix" --width 16 --height 16 --font "$OUT/cjk.ttf" --px 16 \
        --ranges 4E00-9FA5
    "$CLI" export "$OUT/made.pix" -o "$OUT/made_font.c"
    "$CLI" export "$OUT/made.pix" -o "$OUT/made_copy.c"
}

build >/dev/null 2>&1
make_and_export >/dev/null 2>&1
check >/dev/null || { echo "build --check found the recipe out of date" >&2; exit 1; }
echo "load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "outputs: $(stat -c %s "$OUT/cjk_font.c") and $(stat -c %s "$OUT/cjk_copy.c") bytes"

report() {
    local name=$1
    shift
    read -r best median <<<"$(printf '%s\n' "$@" | best_and_median)"
    printf '%-34s best %s s, median %s s\n' "$name" "$best" "$median"
    BEST=$best
}

check_times=()
touched_times=()
for _ in $(seq "$RUNS"); do
    check_times+=("$(time_run "$OUT/check.log" check)")
    grep -q "up to date" "$OUT/check.log" || { cat "$OUT/check.log"; exit 1; }
    touch "$OUT/cjk.ttf"
    touched_times+=("$(time_run "$OUT/check.log" check)")
    grep -q "up to date" "$OUT/check.log" || { cat "$OUT/check.log"; exit 1; }
done
report "build --check, up to date" "${check_times[@]}"
report "build --check, font touched" "${touched_times[@]}"
"$CLI" --version >/dev/null
start_times=()
for _ in $(seq "$RUNS"); do
    start_times+=("$(time_run /dev/null "$CLI" --version)")
done
report "tessellon-cli --version (start-up)" "${start_times[@]}"

build_times=()
reference_times=()
for _ in $(seq "$RUNS"); do
    build_times+=("$(time_run "$OUT/build.log" build)")
    reference_times+=("$(time_run "$OUT/make.log" make_and_export)")
done
report "build (2 outputs)" "${build_times[@]}"
build_best=$BEST
report "make + 2 x export" "${reference_times[@]}"
awk -v b="$build_best" -v r="$BEST" 'BEGIN { printf "build / (make + export), best times: %.2f\n", b / r }'
