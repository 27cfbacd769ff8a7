# Shell functions the benchmark scripts share (bash); source it: . bench/bench_lib.sh

# install_missing PACKAGE...: installs those of the Debian packages that are missing, as
# root or with sudo.
install_missing() {
    local missing=""
    for package in "$@"; do
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

# time_run LOG COMMAND...: the wall time of one run of the command, in seconds; its output
# goes to LOG.
time_run() {
    local log=$1
    shift
    local start=$EPOCHREALTIME
    "$@" >"$log" 2>&1
    local end=$EPOCHREALTIME
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.6f\n", b - a }'
}

# best_and_median: of the times in seconds on standard input, one a line, "BEST MEDIAN".
best_and_median() {
    sort -g | awk '{ t[NR] = $1 } END { printf "%.3f %.3f", t[1], t[int((NR + 1) / 2)] }'
}

# best_and_median_ms: the same, of times in seconds, in milliseconds to a tenth.
best_and_median_ms() {
    sort -g | awk '{ t[NR] = $1 } END { printf "%.1f %.1f", t[1] * 1000, t[int((NR + 1) / 2)] * 1000 }'
}

# build_ft_limit REPO OUT: compiles the reference FreeType loop (ft_limit.c, from FT_LIMIT_SRC
# or the shared bench folder beside the repository) into OUT/ft_limit; fails, saying how to
# give it, when the source is not found.
build_ft_limit() {
    local repo=$1 out=$2 reference=${FT_LIMIT_SRC:-}
    if [ -z "$reference" ]; then
        for shared in "$repo/../shared" "$repo/../../shared" /work/shared; do
            if [ -f "$shared/bench/ft_limit.c" ]; then
                reference=$shared/bench/ft_limit.c
                break
            fi
        done
    fi
    [ -n "$reference" ] || { echo "ft_limit.c not found: set FT_LIMIT_SRC" >&2; return 1; }
    cc -O2 -o "$out/ft_limit" "$reference" $(pkg-config --cflags --libs freetype2)
}
