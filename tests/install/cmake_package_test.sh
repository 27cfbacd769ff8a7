#!/bin/sh
# The installed CMake package, as a firmware project uses it: installs the build into a
# temporary prefix, builds the example project examples/cmake against it, runs its program
# and checks that the fonts are made again when an input of the recipe changes, and not
# otherwise.
#   cmake_package_test.sh BUILD_DIR CMAKE SOURCE_DIR
set -eu
BUILD_DIR=$1
CMAKE=$2
SOURCE_DIR=$3
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PREFIX=$WORK/prefix
"$CMAKE" --install "$BUILD_DIR" --prefix "$PREFIX" >/dev/null

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for file in share/tessellon/cmake/TessellonConfig.cmake \
    share/tessellon/cmake/TessellonConfigVersion.cmake; do
    [ -f "$PREFIX/$file" ] || fail "$file is not installed"
done

# A copy of the example, so that nothing is written beside the sources.
cp -R "$SOURCE_DIR/examples/cmake" "$WORK/hello"
EXAMPLE=$WORK/hello
OUT=$WORK/build
unset DISPLAY WAYLAND_DISPLAY
"$CMAKE" -S "$EXAMPLE" -B "$OUT" -G Ninja -DCMAKE_PREFIX_PATH="$PREFIX" >"$WORK/configure.log" 2>&1 \
    || { cat "$WORK/configure.log"; fail "configure"; }

build() {
    "$CMAKE" --build "$OUT" >"$WORK/build.log" 2>&1 || { cat "$WORK/build.log"; fail "build"; }
}
fonts_made() {
    grep -q "Making the fonts of fonts/hello.tfont" "$WORK/build.log"
}

build
fonts_made || { cat "$WORK/build.log"; fail "the first build made no fonts"; }
"$OUT/hello" >"$WORK/hello.txt" || fail "hello did not run"
[ "$(wc -l <"$WORK/hello.txt")" -eq 14 ] || fail "hello printed $(wc -l <"$WORK/hello.txt") rows, not 14"
awk 'length($0) != 17 * 8 { exit 1 }' "$WORK/hello.txt" || fail "hello's rows are not 17 glyphs wide"
# The H of Hello: two upright strokes joined across the middle, in the first 8 columns.
cut -c1-8 "$WORK/hello.txt" | grep -q '^ *##* *##* *$' || { cat "$WORK/hello.txt"; fail "no H"; }
[ "$(grep -c '#' "$WORK/hello.txt")" -gt 8 ] || { cat "$WORK/hello.txt"; fail "no ink"; }
head -n 1 "$OUT/tessellon/hello/hello_font.c" | grep -q "^/\* hello_font.c: made by tessellon-cli" \
    || fail "the output has no header"

build
fonts_made && fail "the fonts were made again without a change"

touch "$EXAMPLE/fonts/codes.spt"
build
fonts_made || fail "a changed script did not make the fonts again"

sed -i 's/Hello, Tessellon!/Hello, CMake?/' "$EXAMPLE/hello.c"
build
fonts_made || fail "a changed source file did not make the fonts again"
"$OUT/hello" | awk 'length($0) != 13 * 8 { exit 1 }' || fail "hello's new message is not 13 glyphs wide"
grep -q "uc2_003f" "$OUT/tessellon/hello/hello_font.c" || fail "the font lacks the new ?"

sed -i 's/^size = 12$/size = 11/' "$EXAMPLE/fonts/hello.tfont"
build
fonts_made || fail "a changed recipe did not make the fonts again"
grep -q "^ \* size = 11" "$OUT/tessellon/hello/hello_font.c" || fail "the header lacks the new size"

# A recipe that cannot be used stops CMake with tessellon-cli's reason.
echo "colour = red" >>"$EXAMPLE/fonts/hello.tfont"
"$CMAKE" --build "$OUT" >"$WORK/build.log" 2>&1 && fail "a bad recipe was taken"
grep -q "hello.tfont:15: unknown key 'colour'" "$WORK/build.log" || { cat "$WORK/build.log"; fail "no reason"; }
echo "the example project builds against the package in $PREFIX"
