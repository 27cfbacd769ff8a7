#!/usr/bin/env bash
# Times whole processes of tessellon-cli that draw nothing beside the plain FreeType loop
# (ft_limit) in the same run: `export` of a 95-glyph font (Droid Sans Fallback 16 px,
# U+0020-007E, made by make first) against ft_limit drawing and writing the same 95 glyphs,
# `--version`, and `info`. hyperfine runs each command RUNS times a round; ROUNDS rounds take
# the commands in turn, so that the other work of the machine falls on all of them alike.
# Prints the median of each round's mean and the ratio export / ft_limit.
#
#   bench/cli_start.sh            (ROUNDS=5 RUNS=40 BUILD_DIR=build-bench by default)
# BASE_CLI=PATH also times another tessellon-cli (one that links Qt Gui, say) as "base".
set -euo pipefail

cd "$(dirname "$0")/.."
REPO=$(pwd)
BUILD_DIR=${BUILD_DIR:-build-bench}
ROUNDS=${ROUNDS:-5}
RUNS=${RUNS:-40}
OUT=$REPO/bench/out/cli_start
CLI=$REPO/$BUILD_DIR/bin/tessellon-cli

. "$REPO/bench/bench_lib.sh"
install_missing fonts-droid-fallback libfreetype-dev pkg-config hyperfine
FONT=$(dpkg -L fonts-droid-fallback | grep '/DroidSansFallbackFull.ttf$' | head -n 1)
mkdir -p "$OUT"
build_ft_limit "$REPO" "$OUT"
BUILD_DIR=$BUILD_DIR "$REPO/bench/build_targets.sh" tessellon-cli tessellon_charsets

"$CLI" make "$OUT/ascii.pix" --width 16 --height 16 --font "$FONT" --px 16 --ranges 20-7E \
    >/dev/null
declare -A commands=(
    [ft_limit]="$OUT/ft_limit -q -s 16 -w fast -o $OUT/limit.c $FONT 0x20-0x7E"
    [export]="$CLI export $OUT/ascii.pix -o $OUT/ascii.c"
    [version]="$CLI --version"
    [info]="$CLI info $OUT/ascii.pix"
)
order=(ft_limit export version info)
if [ -n "${BASE_CLI:-}" ]; then
    commands[base_export]="$BASE_CLI export $OUT/ascii.pix -o $OUT/base.c"
    commands[base_version]="$BASE_CLI --version"
    order+=(base_export base_version)
fi

declare -A means
for round in $(seq "$ROUNDS"); do
    for name in "${order[@]}"; do
        hyperfine -N --warmup 3 --runs "$RUNS" --export-json "$OUT/$name.json" \
            "${commands[$name]}" >/dev/null 2>&1
        means[$name]+="$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["results"][0]["median"])' "$OUT/$name.json") "
    done
done

median() {
    printf '%s\n' "$@" | sort -g | awk '{ t[NR] = $1 } END { printf "%.2f", t[int((NR + 1) / 2)] * 1000 }'
}
echo "95 glyphs of Droid Sans Fallback 16 px; $ROUNDS rounds of $RUNS runs (whole processes, ms, median of the rounds' medians); load $(cut -d' ' -f1-3 /proc/loadavg)"
for name in "${order[@]}"; do
    printf '%-14s %8s ms\n' "$name" "$(median ${means[$name]})"
done
awk -v e="$(median ${means[export]})" -v f="$(median ${means[ft_limit]})" \
    'BEGIN { printf "export / ft_limit: %.2f\n", e / f }'
