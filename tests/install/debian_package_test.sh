#!/bin/sh
# cpack's Debian package of the build: its dependencies come from dpkg-shlibdeps and name the
# platform plugins, and it holds the programs, their data and the desktop's files under /usr.
#   debian_package_test.sh BUILD_DIR CPACK
set -eu
BUILD_DIR=$1
CPACK=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$CPACK" --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$WORK" >"$WORK/cpack.out" 2>&1 \
    || { cat "$WORK/cpack.out"; fail "cpack"; }
set -- "$WORK"/tessellon_*.deb
[ -f "$1" ] || fail "no tessellon_*.deb was made"
DEB=$1
depends=$(dpkg-deb -f "$DEB" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 qt6-qpa-plugins; do
    echo "$depends" | tr ',' '\n' | grep -q "^ *$package\b" || fail "Depends lacks $package: $depends"
done
[ "$(dpkg-deb -f "$DEB" Package)" = tessellon ] || fail "the package is not named tessellon"
contents=$(dpkg-deb -c "$DEB" | awk '{print $6}')
for file in ./usr/bin/tessellon ./usr/bin/tessellon-cli \
    ./usr/lib/tessellon/tessellon-cli-drawing.so ./usr/share/tessellon/txt/ascii.txt \
    ./usr/share/tessellon/doc/help.html ./usr/share/tessellon/scripts/default.spt \
    ./usr/share/tessellon/cmake/TessellonConfig.cmake \
    ./usr/share/tessellon/decoder/tessellon_compact.c \
    ./usr/share/applications/tessellon.desktop ./usr/share/mime/packages/tessellon.xml \
    ./usr/share/icons/hicolor/48x48/apps/tessellon.png; do
    echo "$contents" | grep -q -x "$file" || fail "the package lacks $file"
done
echo "$DEB"
