#!/usr/bin/env bash
# Times the editor's start: from the moment the program is started to its main window
# painted for the first time (TESSELLON_QUIT_WHEN_SHOWN makes the program print the wall
# clock then and quit). Prints the best and median of RUNS starts (after one warm-up, so that
# the libraries and fonts come from the page cache) and the load.
#
#   bench/editor_start.sh            headless (Qt's offscreen platform); RUNS=21 by default
#   bench/editor_start.sh xvfb       in a virtual X display, as a user's X server sees it
#
# Builds the program in BUILD_DIR (default build-bench).
set -euo pipefail

cd "$(dirname "$0")/.."
REPO=$(pwd)
BUILD_DIR=${BUILD_DIR:-build-bench}
RUNS=${RUNS:-21}
OUT=$REPO/bench/out/editor_start
PROGRAM=$REPO/$BUILD_DIR/bin/tessellon
platform=${1:-offscreen}

. "$REPO/bench/bench_lib.sh"
if [ "$platform" = xvfb ] && [ -z "${TESSELLON_IN_XVFB:-}" ]; then
    BUILD_DIR=$BUILD_DIR "$REPO/bench/build_targets.sh" tessellon
    exec env TESSELLON_IN_XVFB=1 QT_QPA_PLATFORM=xcb \
        xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
[ -n "${TESSELLON_IN_XVFB:-}" ] || BUILD_DIR=$BUILD_DIR "$REPO/bench/build_targets.sh" tessellon
[ "$platform" = xvfb ] || export QT_QPA_PLATFORM=offscreen
mkdir -p "$OUT"

# One start: the seconds from just before the program is run to its window shown.
start_once() {
    local start=$EPOCHREALTIME
    TESSELLON_QUIT_WHEN_SHOWN=1 "$PROGRAM" >"$OUT/start.log" 2>"$OUT/start.err"
    local shown
    shown=$(awk '/^shown / { print $2 }' "$OUT/start.log")
    [ -n "$shown" ] || { cat "$OUT/start.err" >&2; exit 1; }
    awk -v a="$start" -v b="$shown" 'BEGIN { printf "%.6f\n", b - a }'
}

load_start=$(cut -d' ' -f1-3 /proc/loadavg)
start_once >/dev/null
times=$(for _ in $(seq "$RUNS"); do start_once; done)
read -r best median <<<"$(echo "$times" | best_and_median_ms)"
echo "editor start to main window shown, platform $platform, $RUNS runs, $(nproc) cores, load at the start $load_start, at the end $(cut -d' ' -f1-3 /proc/loadavg)"
echo "best $best ms  median $median ms"
