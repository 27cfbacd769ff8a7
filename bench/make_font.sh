#!/usr/bin/env bash
# Times `tessellon-cli make` of a 16 x 16 font of U+0020-007E and U+4E00-9FA5 from Droid Sans
# Fallback beside the plain FreeType loop (ft_limit) on the same glyphs, in the same run.
# Prints the best and median wall time of each over RUNS runs, the ratio of the best times,
# and where the time of make went. STYLES names the hinting styles make is timed with, each
# in every run beside the loop.
#
#   bench/make_font.sh            (RUNS=7 BUILD_DIR=build-bench STYLES=system by default)
#   STYLES="system auto light none" bench/make_font.sh
# BASE_CLI=PATH also times another build of tessellon-cli (one without --hinting, say) as
# the style "base", with its default drawing.
#
# Installs fonts-droid-fallback, libfreetype-dev and pkg-config when they are missing (as
# root or with sudo), builds tessellon-cli when it is missing and ft_limit into bench/out/.
set -euo pipefail

cd "$(dirname "$0")/.."
REPO=$(pwd)
BUILD_DIR=${BUILD_DIR:-build-bench}
RUNS=${RUNS:-7}
STYLES=${STYLES:-system}
if [ -n "${BASE_CLI:-}" ]; then
    STYLES="base $STYLES"
fi
OUT=$REPO/bench/out
CLI=$REPO/$BUILD_DIR/bin/tessellon-cli

. "$REPO/bench/bench_lib.sh"
install_missing fonts-droid-fallback libfreetype-dev pkg-config
FONT=$(dpkg -L fonts-droid-fallback | grep '/DroidSansFallbackFull.ttf$' | head -n 1)
mkdir -p "$OUT"
build_ft_limit "$REPO" "$OUT"
BUILD_DIR=$BUILD_DIR "$REPO/bench/build_targets.sh" tessellon-cli tessellon_charsets

make_font() {
    if [ "$1" = base ]; then
        set -- "$BASE_CLI"
    else
        set -- "$CLI" --hinting "$1"
    fi
    "$1" make "$OUT/droid16.pix" --width 16 --height 16 --font "$FONT" --px 16 \
        --ranges 20-7E,4E00-9FA5 --timings "${@:2}"
}
# ft_limit [-a]: with -a through FreeType's auto-hinter, the reference for the auto style.
ft_limit() {
    "$OUT/ft_limit" -q -s 16 -w fast "$@" -o "$OUT/limit.c" "$FONT" 0x20-0x7E 0x4E00-0x9FA5
}

# One warm-up each so that all read the font from the page cache.
for style in $STYLES; do
    make_font "$style" >/dev/null 2>&1
done
ft_limit >/dev/null 2>&1
declare -A make_times best_make
ft_times=()
ft_auto_times=()
for _ in $(seq "$RUNS"); do
    for style in $STYLES; do
        t=$(time_run "$OUT/make.log" make_font "$style")
        make_times[$style]+="$t "
        if [ -z "${best_make[$style]:-}" ] \
            || awk -v t="$t" -v b="${best_make[$style]}" 'BEGIN { exit !(t < b) }'; then
            best_make[$style]=$t
            cp "$OUT/make.log" "$OUT/make-best-$style.log"
        fi
    done
    ft_times+=("$(time_run "$OUT/ft_limit.log" ft_limit)")
    if [[ " $STYLES " == *" auto "* ]]; then
        ft_auto_times+=("$(time_run "$OUT/ft_limit.log" ft_limit -a)")
    fi
done

read -r ft_best ft_median <<<"$(printf '%s\n' "${ft_times[@]}" | best_and_median)"
echo "font: $FONT, 16 px, 16 x 16 cells, U+0020-007E and U+4E00-9FA5, $RUNS runs, load $(cut -d' ' -f1-3 /proc/loadavg)"
printf 'ft_limit -w fast            best %s s  median %s s  (%s)\n' "$ft_best" "$ft_median" \
    "$(grep -o 'glyphs=[0-9]*' "$OUT/ft_limit.log")"
if [ ${#ft_auto_times[@]} -gt 0 ]; then
    read -r ft_auto_best ft_auto_median <<<"$(printf '%s\n' "${ft_auto_times[@]}" | best_and_median)"
    printf 'ft_limit -w fast -a         best %s s  median %s s  (auto-hinter)\n' "$ft_auto_best" \
        "$ft_auto_median"
fi
for style in $STYLES; do
    read -r make_best make_median <<<"$(printf '%s\n' ${make_times[$style]} | best_and_median)"
    log="$OUT/make-best-$style.log"
    printf 'tessellon-cli make %-8s best %s s  median %s s  (%s)  make / ft_limit (best): %s\n' \
        "$style" "$make_best" "$make_median" "$(grep -o 'glyphs [0-9]*' "$log" | tail -n 1)" \
        "$(awk -v m="$make_best" -v f="$ft_best" 'BEGIN { printf "%.2f", m / f }')"
    if [ "$style" = auto ] && [ -n "${ft_auto_best:-}" ]; then
        awk -v m="$make_best" -v f="$ft_auto_best" \
            'BEGIN { printf "    make auto / ft_limit -a (best): %.2f\n", m / f }'
    fi
    echo "    best run: $(grep '^timings:' "$log")"
done
