#!/usr/bin/env bash
# Times `tessellon-cli make` of a 16 x 16 font of U+0020-007E and U+4E00-9FA5 from Droid Sans
# Fallback beside the plain FreeType loop (ft_limit) on the same glyphs, in the same run.
# Prints the best and median wall time of each over RUNS runs, the ratio of the best times,
# and where the time of make went.
#
#   bench/make_font.sh            (RUNS=7 BUILD_DIR=build-bench by default)
#
# Installs fonts-droid-fallback, libfreetype-dev and pkg-config when they are missing (as
# root or with sudo), builds tessellon-cli when it is missing and ft_limit into bench/out/.
set -euo pipefail

cd "$(dirname "$0")/.."
REPO=$(pwd)
BUILD_DIR=${BUILD_DIR:-build-bench}
RUNS=${RUNS:-7}
OUT=$REPO/bench/out
CLI=$REPO/$BUILD_DIR/bin/tessellon-cli

find_reference() {
    if [ -n "${FT_LIMIT_SRC:-}" ]; then
        echo "$FT_LIMIT_SRC"
        return
    fi
    for shared in "$REPO/../shared" "$REPO/../../shared" /work/shared; do
        if [ -f "$shared/bench/ft_limit.c" ]; then
            echo "$shared/bench/ft_limit.c"
            return
        fi
    done
    echo "ft_limit.c not found: set FT_LIMIT_SRC" >&2
    exit 1
}

. "$REPO/bench/bench_lib.sh"
install_missing fonts-droid-fallback libfreetype-dev pkg-config
FONT=$(dpkg -L fonts-droid-fallback | grep '/DroidSansFallbackFull.ttf$' | head -n 1)
mkdir -p "$OUT"
cc -O2 -o "$OUT/ft_limit" "$(find_reference)" $(pkg-config --cflags --libs freetype2)
BUILD_DIR=$BUILD_DIR "$REPO/bench/build_targets.sh" tessellon-cli tessellon_charsets

make_font() {
    "$CLI" make "$OUT/droid16.pix" --width 16 --height 16 --font "$FONT" --px 16 \
        --ranges 20-7E,4E00-9FA5 --timings
}
ft_limit() {
    "$OUT/ft_limit" -q -s 16 -w fast -o "$OUT/limit.c" "$FONT" 0x20-0x7E 0x4E00-0x9FA5
}

# One warm-up each so that both read the font from the page cache.
make_font >/dev/null 2>&1
ft_limit >/dev/null 2>&1
make_times=()
ft_times=()
best_make=""
for _ in $(seq "$RUNS"); do
    t=$(time_run "$OUT/make.log" make_font)
    make_times+=("$t")
    if [ -z "$best_make" ] || awk -v t="$t" -v b="$best_make" 'BEGIN { exit !(t < b) }'; then
        best_make=$t
        cp "$OUT/make.log" "$OUT/make-best.log"
    fi
    ft_times+=("$(time_run "$OUT/ft_limit.log" ft_limit)")
done

read -r make_best make_median <<<"$(printf '%s\n' "${make_times[@]}" | best_and_median)"
read -r ft_best ft_median <<<"$(printf '%s\n' "${ft_times[@]}" | best_and_median)"
echo "font: $FONT, 16 px, 16 x 16 cells, U+0020-007E and U+4E00-9FA5, $RUNS runs, load $(cut -d' ' -f1-3 /proc/loadavg)"
printf 'tessellon-cli make   best %s s  median %s s  (%s)\n' "$make_best" "$make_median" \
    "$(grep -o 'glyphs [0-9]*' "$OUT/make-best.log" | tail -n 1)"
printf 'ft_limit -w fast     best %s s  median %s s  (%s)\n' "$ft_best" "$ft_median" \
    "$(grep -o 'glyphs=[0-9]*' "$OUT/ft_limit.log")"
awk -v m="$make_best" -v f="$ft_best" 'BEGIN { printf "ratio make / ft_limit (best): %.2f\n", m / f }'
echo "make, best run: $(grep '^timings:' "$OUT/make-best.log")"
