# Shell functions the screenshot scripts share (sh); source it: . docs/screenshots/window_lib.sh

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
