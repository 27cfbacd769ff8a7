#!/usr/bin/env bash
# Peak memory of `tessellon-cli make` given far more --ranges than a font may hold: COPIES
# copies of 0-FFFF (2,000 and 18,000 by default; the longest list one argument can carry is
# about 18,700). The list must be refused before its codes are made; the figure to stay
# under is 50 MB. For comparison, the peak of making a small font (U+0020-007E) in the
# same run.
#
#   bench/make_ranges_memory.sh [COPIES...]      (BUILD_DIR=build-bench by default)
#
# Installs `time` (GNU time, for its peak resident size) when it is missing (as root or with
# sudo) and builds tessellon-cli when it is missing.
set -euo pipefail

cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-bench}
CLI=$(pwd)/$BUILD_DIR/bin/tessellon-cli
if [ "$#" -eq 0 ]; then
    set -- 2000 18000
fi

if [ ! -x /usr/bin/time ]; then
    echo "Installing: time" >&2
    as_root=""
    [ "$(id -u)" -ne 0 ] && as_root="sudo"
    $as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends time >&2
fi
BUILD_DIR=$BUILD_DIR bench/build_targets.sh tessellon-cli tessellon_charsets

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Prints the peak resident size in MB, the exit status and the time of one make.
measure() {
    local label=$1
    shift
    local status=0
    TMPDIR=$scratch /usr/bin/time -f '%M %e' -o "$scratch/time" "$CLI" make "$scratch/out.pix" \
        --width 16 --height 16 --font "Courier New" --px 16 "$@" >/dev/null 2>"$scratch/err" ||
        status=$?
    read -r kilobytes elapsed < <(tail -n 1 "$scratch/time")
    awk -v l="$label" -v k="$kilobytes" -v s="$status" -v e="$elapsed" \
        'BEGIN { printf "%-32s peak %7.1f MB  exit %s  %5.2f s\n", l, k / 1024, s, e }'
    { grep -v 'OpenType support missing' "$scratch/err" || true; } | head -n 1 | sed 's/^/    /'
}

echo "tessellon-cli make, 16 x 16, load $(cut -d' ' -f1-3 /proc/loadavg)"
for copies in "$@"; do
    list=$(printf '0-FFFF,%.0s' $(seq "$copies"))
    list=${list%,}
    measure "--ranges 0-FFFF x $copies" --ranges "$list"
done
measure "--ranges 20-7E (95 glyphs)" --ranges 20-7E
