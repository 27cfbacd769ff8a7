#!/usr/bin/env bash
# Times the editor's New of a 16 x 16 font of U+0020-007E and U+4E00-9FA5 from Droid Sans
# Fallback (new_font_bench: File > New through NewCommand::makeFont, the new-font dialog's choices
# set by the program, the progress dialog shown) beside `tessellon-cli make` of the same font
# (on a thread a core, and with --threads 1) and the plain FreeType loop (ft_limit) on the
# same glyphs, alternately in the same run. Prints the best and median of each over RUNS
# runs, the ratios of the medians, the processor time of New and make, and the load.
#
#   bench/new_font.sh            headless (Qt's offscreen platform); RUNS=7 by default
#   bench/new_font.sh xvfb       the editor in a virtual X display, as a user's X server sees it
#
# The editor's figure is the time from the command to the font in its window; make's is its
# own total (set-up, drawing, writing), both without starting the program; ft_limit's is its
# whole process. Installs fonts-droid-fallback, libfreetype-dev and pkg-config when they are
# missing (as root or with sudo) and builds what it needs in BUILD_DIR (default build-bench).
set -euo pipefail

cd "$(dirname "$0")/.."
REPO=$(pwd)
BUILD_DIR=${BUILD_DIR:-build-bench}
RUNS=${RUNS:-7}
OUT=$REPO/bench/out
CLI=$REPO/$BUILD_DIR/bin/tessellon-cli
NEW=$REPO/$BUILD_DIR/bench/creation/new_font_bench
export BUILD_DIR

. "$REPO/bench/bench_lib.sh"
install_missing fonts-droid-fallback libfreetype-dev pkg-config
FONT=$(dpkg -L fonts-droid-fallback | grep '/DroidSansFallbackFull.ttf$' | head -n 1)
mkdir -p "$OUT"
build_ft_limit "$REPO" "$OUT"
"$REPO/bench/build_targets.sh" tessellon-cli new_font_bench tessellon_charsets

run_new() {
    if [ "${1:-}" = xvfb ]; then
        QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$NEW" "$FONT" 20-7E 4E00-9FA5
    else
        QT_QPA_PLATFORM=offscreen "$NEW" "$FONT" 20-7E 4E00-9FA5
    fi
}
run_make() {
    "$CLI" make "$OUT/droid16.pix" --width 16 --height 16 --font "$FONT" --px 16 \
        --ranges 20-7E,4E00-9FA5 --timings "$@"
}
ft_limit() {
    "$OUT/ft_limit" -q -s 16 -w fast -o "$OUT/limit.c" "$FONT" 0x20-0x7E 0x4E00-0x9FA5
}

load_start=$(cut -d' ' -f1-3 /proc/loadavg)
# One warm-up each, so that all read the font from the page cache.
run_make >/dev/null 2>&1
run_new "${1:-}" >/dev/null 2>&1
new_times=()
new_processor=()
make_times=()
make_processor=()
single_times=()
ft_times=()
glyphs=""
for _ in $(seq "$RUNS"); do
    ft_times+=("$(time_run "$OUT/ft_limit.log" ft_limit)")
    run_make --threads 1 >"$OUT/make1.log" 2>&1
    single_times+=("$(grep '^timings:' "$OUT/make1.log" | sed 's/.*total \([0-9.]*\) s.*/\1/')")
    run_new "${1:-}" >"$OUT/new.log" 2>&1
    line=$(grep '^new:' "$OUT/new.log") || { cat "$OUT/new.log" >&2; exit 1; }
    new_times+=("$(echo "$line" | awk '{ print $2 }')")
    new_processor+=("$(echo "$line" | sed 's/.*processor \([0-9.]*\) s.*/\1/')")
    glyphs=$(echo "$line" | grep -o 'glyphs [0-9]*')
    start=$(awk '{ print $14 + $15 + $16 + $17 }' /proc/$$/stat)
    run_make >"$OUT/make.log" 2>&1
    end=$(awk '{ print $14 + $15 + $16 + $17 }' /proc/$$/stat)
    make_times+=("$(grep '^timings:' "$OUT/make.log" | sed 's/.*total \([0-9.]*\) s.*/\1/')")
    make_processor+=("$(awk -v a="$start" -v b="$end" -v hz="$(getconf CLK_TCK)" \
        'BEGIN { printf "%.3f", (b - a) / hz }')")
done

read -r new_best new_median <<<"$(printf '%s\n' "${new_times[@]}" | best_and_median)"
read -r single_best single_median <<<"$(printf '%s\n' "${single_times[@]}" | best_and_median)"
read -r ft_best ft_median <<<"$(printf '%s\n' "${ft_times[@]}" | best_and_median)"
read -r make_best make_median <<<"$(printf '%s\n' "${make_times[@]}" | best_and_median)"
read -r newp_best newp_median <<<"$(printf '%s\n' "${new_processor[@]}" | best_and_median)"
read -r makep_best makep_median <<<"$(printf '%s\n' "${make_processor[@]}" | best_and_median)"
echo "font: $FONT, 16 px, 16 x 16 cells, U+0020-007E and U+4E00-9FA5 ($glyphs), $RUNS runs, platform ${1:-offscreen}, $(nproc) cores, load at the start $load_start, at the end $(cut -d' ' -f1-3 /proc/loadavg)"
printf 'editor New            best %s s  median %s s  processor best %s s  median %s s\n' \
    "$new_best" "$new_median" "$newp_best" "$newp_median"
printf 'tessellon-cli make    best %s s  median %s s  processor best %s s  median %s s (whole program)\n' \
    "$make_best" "$make_median" "$makep_best" "$makep_median"
printf 'tessellon-cli make --threads 1  best %s s  median %s s\n' "$single_best" "$single_median"
printf 'ft_limit -w fast      best %s s  median %s s (whole process, one thread)\n' "$ft_best" \
    "$ft_median"
ratio() {
    awk -v a="$2" -v b="$3" -v what="$1" 'BEGIN { printf "ratio %s: %.2f\n", what, a / b }'
}
ratio "New / make (median)" "$new_median" "$make_median"
ratio "make / ft_limit (median)" "$make_median" "$ft_median"
ratio "make --threads 1 / ft_limit (median)" "$single_median" "$ft_median"
ratio "New / ft_limit (median)" "$new_median" "$ft_median"
ratio "New / make (best)" "$new_best" "$make_best"
