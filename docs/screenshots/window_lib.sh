# Shell functions the screenshot scripts share (sh); source it from the project's folder:
#   . docs/screenshots/window_lib.sh
# The programs are built in BUILD_DIR (default build-bench).
BUILD_DIR=${BUILD_DIR:-build-bench}
export BUILD_DIR

# in_virtual_display "TARGET..." SCRIPT [ARGUMENT...]: outside the virtual display, builds the
# targets and runs SCRIPT again inside xvfb-run; inside it, returns.
in_virtual_display() {
    [ -n "${TESSELLON_IN_XVFB:-}" ] && return 0
    targets=$1
    shift
    bench/build_targets.sh $targets
    exec env TESSELLON_IN_XVFB=1 xvfb-run -a -s "-screen 0 1280x900x24" "$@"
}

# window_named TITLE: the id of the first window whose title is exactly TITLE, waiting up to
# ten seconds for it to appear. Fails when there is none: "import -window" given an empty
# id would wait for a mouse click instead.
window_named() {
    tries=0
    while [ "$tries" -lt 20 ]; do
        id=$(xdotool search --name "^$1\$" 2>/dev/null | head -1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        tries=$((tries + 1))
        sleep 0.5
    done
    echo "no window named \"$1\" appeared" >&2
    return 1
}

# start_editor: starts the editor ($EDITOR is its process) and waits for its main window
# ($main).
start_editor() {
    "$BUILD_DIR/bin/tessellon" >/dev/null 2>&1 &
    EDITOR=$!
    sleep 2
    main=$(window_named "Tessellon")
}

# open_sample_font: makes the 12 x 16 sample font in $WORK, starts the editor, sizes its main
# window ($main) to 1000 x 700 and opens the font with File > Open.
open_sample_font() {
    "$BUILD_DIR/bench/editor/make_sample_pix" "$WORK/sample.pix" 12 16 >/dev/null
    start_editor
    xdotool windowsize "$main" 1000 700
    xdotool windowfocus "$main"
    sleep 0.5
    xdotool key ctrl+o
    sleep 1.5
    xdotool type --delay 20 "$WORK/sample.pix"
    xdotool key Return
    sleep 1.5
}
