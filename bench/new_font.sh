#!/usr/bin/env bash
# Times the editor's New of a 16 x 16 font of U+0020-007E and U+4E00-9FA5 from Droid Sans
# Fallback (new_font_bench: File > New through CreateFontLib, the new-font dialog's choices
# set by the program, the progress dialog shown) beside `tessellon-cli make` of the same font,
# alternately in the same run. Prints the best and median of each over RUNS runs, the ratio
# of the best times, and the processor time of each.
#
#   bench/new_font.sh            headless (Qt's offscreen platform); RUNS=7 by default
#   bench/new_font.sh xvfb       the editor in a virtual X display, as a user's X server sees it
#
# The editor's figure is the time from the command to the font in its window; make's is its
# own total (set-up, drawing, writing), both without starting the program. Installs
# fonts-droid-fallback when it is missing (as root or with sudo) and builds what it needs in
# BUILD_DIR (default build-bench).
set -euo pipefail

cd "$(dirname "$0")/.."
REPO=$(pwd)
BUILD_DIR=${BUILD_DIR:-build-bench}
RUNS=${RUNS:-7}
OUT=$REPO/bench/out
CLI=$REPO/$BUILD_DIR/bin/tessellon-cli
NEW=$REPO/$BUILD_DIR/bench/creation/new_font_bench
export BUILD_DIR

if ! dpkg-query -W -f='${Status}' fonts-droid-fallback 2>/dev/null | grep -q "install ok installed"; then
    echo "Installing: fonts-droid-fallback" >&2
    as_root=""
    [ "$(id -u)" -ne 0 ] && as_root="sudo"
    $as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends \
        fonts-droid-fallback >&2
fi
FONT=$(dpkg -L fonts-droid-fallback | grep '/DroidSansFallbackFull.ttf$' | head -n 1)
mkdir -p "$OUT"
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
        --ranges 20-7E,4E00-9FA5 --timings
}
best_and_median() {
    sort -g | awk '{ t[NR] = $1 } END { printf "%.3f %.3f", t[1], t[int((NR + 1) / 2)] }'
}

# One warm-up each, so that both read the font from the page cache.
run_make >/dev/null 2>&1
run_new "${1:-}" >/dev/null 2>&1
new_times=()
new_processor=()
make_times=()
make_processor=()
glyphs=""
for _ in $(seq "$RUNS"); do
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
read -r make_best make_median <<<"$(printf '%s\n' "${make_times[@]}" | best_and_median)"
read -r newp_best newp_median <<<"$(printf '%s\n' "${new_processor[@]}" | best_and_median)"
read -r makep_best makep_median <<<"$(printf '%s\n' "${make_processor[@]}" | best_and_median)"
echo "font: $FONT, 16 px, 16 x 16 cells, U+0020-007E and U+4E00-9FA5 ($glyphs), $RUNS runs, platform ${1:-offscreen}, load $(cut -d' ' -f1-3 /proc/loadavg)"
printf 'editor New            best %s s  median %s s  processor best %s s  median %s s\n' \
    "$new_best" "$new_median" "$newp_best" "$newp_median"
printf 'tessellon-cli make    best %s s  median %s s  processor best %s s  median %s s (whole program)\n' \
    "$make_best" "$make_median" "$makep_best" "$makep_median"
awk -v n="$new_best" -v m="$make_best" 'BEGIN { printf "ratio New / make (best): %.2f\n", n / m }'
awk -v n="$new_median" -v m="$make_median" 'BEGIN { printf "ratio New / make (median): %.2f\n", n / m }'
