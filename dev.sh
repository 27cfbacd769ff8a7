#!/bin/sh
# Set-up, build, start and test on Debian 12, as root or with sudo.
#   ./dev.sh start   install what is missing, build, start the editor
#   ./dev.sh test    install what is missing, build (the benchmark programs too, not run),
#                    run every test and the fuzz targets' seeds, then the core's tests and
#                    the seeds again under ASan and UBSan (SANITIZE=0 skips that pass)
#   ./dev.sh build   install what is missing and build
#   ./dev.sh package install what is missing, build without the tests, and make the Debian
#                    package build-package/tessellon_VERSION_ARCH.deb that apt installs
set -eu

cd "$(dirname "$0")"
BUILD_DIR=${BUILD_DIR:-build}
JOBS=${JOBS:-2}
# ccache, where it is installed, keeps rebuilds short.
LAUNCHER=""
if command -v ccache >/dev/null 2>&1; then
    LAUNCHER="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi

PACKAGES="cmake ninja-build gcc g++ pkg-config qt6-base-dev libgl-dev libgtest-dev
libfreetype-dev libfontconfig-dev
fonts-liberation fonts-dejavu-core xvfb xauth xdg-utils python3"
# cpack asks dpkg-shlibdeps which packages the programs' libraries come from, and file which
# of the packaged files are programs.
PACKAGE_PACKAGES="dpkg-dev file"
# Only the tests need these: fonts that other programs made (otf2bdf, the misc-fixed fonts
# through pcf2bdf, unifont.hex), bdftopcf, which checks the BDF fonts the program writes, the
# desktop's tools that check the menu entry and the .pix file type, dpkg-dev for the
# package, and gcc for the example project built against the installed CMake package.
TEST_PACKAGES="otf2bdf pcf2bdf xfonts-base xfonts-utils unifont desktop-file-utils
libxml2-utils shared-mime-info libglib2.0-bin gcc $PACKAGE_PACKAGES"

# install_missing [PACKAGE...]: the packages given, or PACKAGES.
install_missing() {
    missing=""
    for package in ${*:-$PACKAGES}; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $package"
        fi
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    as_root=""
    [ "$(id -u)" -ne 0 ] && as_root="sudo"
    $as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing
}

# build [ON|OFF [CMAKE_OPTION...]]: with ON the benchmark programs are built as well.
build() {
    bench=${1:-OFF}
    [ $# -gt 0 ] && shift
    install_missing
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release $LAUNCHER \
        -DTESSELLON_BENCH="$bench" "$@"
    cmake --build "$BUILD_DIR" -j "$JOBS"
}

start() {
    build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found. Start the editor in a virtual one with:"
        echo "    xvfb-run -a $BUILD_DIR/bin/tessellon"
        echo "or on a remote machine with X forwarding (ssh -X) and run $BUILD_DIR/bin/tessellon."
        exit 1
    fi
    exec "$BUILD_DIR/bin/tessellon"
}

# The package is built in a folder of its own, without the tests.
package() {
    install_missing $PACKAGE_PACKAGES
    BUILD_DIR=${PACKAGE_BUILD_DIR:-build-package}
    build OFF -DTESSELLON_TESTS=OFF
    (cd "$BUILD_DIR" && cpack -G DEB)
}

# The core's tests and the fuzz targets' seeds again under AddressSanitizer and
# UndefinedBehaviorSanitizer: everything that reads files or runs scripts lives there.
run_sanitized_core_tests() {
    cmake -S . -B "$BUILD_DIR-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSELLON_QT=OFF \
        -DTESSELLON_SANITIZE=address,undefined $LAUNCHER
    cmake --build "$BUILD_DIR-sanitize" -j "$JOBS"
    ctest --test-dir "$BUILD_DIR-sanitize" --output-on-failure -j "$JOBS"
}

run_tests() {
    install_missing $TEST_PACKAGES
    # The benchmarks are compiled, not run, so that a change of an interface cannot break
    # them unseen; their figures come from the scripts in bench/.
    build ON
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$JOBS"
    [ "${SANITIZE:-1}" = 0 ] || run_sanitized_core_tests
}

case "${1:-}" in
    start) start ;;
    test) run_tests ;;
    build) build ;;
    package) package ;;
    *) echo "usage: $0 start|test|build|package" >&2; exit 2 ;;
esac
