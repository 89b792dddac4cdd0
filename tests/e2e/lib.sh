#!/usr/bin/env bash
# Shared harness of the end-to-end tests: each test starts its own X server,
# runs the real editor from a start-up directory of its choice, drives it with
# xdotool, reads pixels from screenshots (ImageMagick) and text from the
# clipboard (xclip), and stops everything on exit.
set -uo pipefail

TAVILON_BIN="${1:?usage: test_x.sh path/to/tavilon}"
TAVILON_BUILD_DIR="${TAVILON_BUILD_DIR:-$(dirname "$TAVILON_BIN")}"
E2E_TMP="$(mktemp -d /tmp/tavilon-e2e.XXXXXX)"
APP_PID=""
XVFB_PID=""
FAILURES=0

e2e_cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    FAILURES=$((FAILURES + 1))
}

check() { # check "description" command...
    local what="$1"; shift
    if "$@"; then echo "ok: $what"; else fail "$what"; fi
}

finish() {
    if [ "$FAILURES" -ne 0 ]; then
        echo "$FAILURES check(s) failed"
        exit 1
    fi
    echo "all checks passed"
    exit 0
}

# Starts a private X server (no window manager: the keyboard follows the pointer).
start_x() {
    local n
    for n in $(seq 70 130); do
        [ -e "/tmp/.X${n}-lock" ] && continue
        # -noreset: a server that resets when its last client leaves (the
        # readiness probe below) refuses the connections made during the reset.
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 1 50); do
            xdpyinfo >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null
    done
    echo "could not start Xvfb" >&2
    exit 1
}

# Prepares a start-up directory holding the editor's resources, as `make run` has.
resource_dir() {
    local dir="$E2E_TMP/start"
    mkdir -p "$dir"
    cp -r "$TAVILON_BUILD_DIR/objects" "$dir/" 2>/dev/null
    cp "$TAVILON_BUILD_DIR/DejaVuSans.ttf" "$dir/" 2>/dev/null
    echo "$dir"
}

# start_app DIR: runs the editor from DIR and waits for its window.
start_app() {
    local dir="$1"
    (cd "$dir" && exec "$TAVILON_BIN") >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" &
    APP_PID=$!
    WINDOW=""
    for _ in $(seq 1 100); do
        WINDOW=$(xdotool search --name '^Tavilon$' 2>/dev/null | head -n 1)
        [ -n "$WINDOW" ] && break
        sleep 0.1
    done
    if [ -z "$WINDOW" ]; then
        echo "the editor's window did not appear" >&2
        cat "$E2E_TMP/stderr" >&2
        exit 1
    fi
    sleep 0.5
    # Window-relative coordinates are used throughout: find the client origin.
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
    WIN_X=$X; WIN_Y=$Y; WIN_W=$WIDTH; WIN_H=$HEIGHT
    move_to 500 400
}

# Waits up to 10 s for the editor to exit; sets APP_STATUS.
wait_exit() {
    APP_STATUS=""
    for _ in $(seq 1 100); do
        if ! kill -0 "$APP_PID" 2>/dev/null; then
            wait "$APP_PID"; APP_STATUS=$?
            APP_PID=""
            return 0
        fi
        sleep 0.1
    done
    return 1
}

settle() { sleep "${1:-0.3}"; }

# Pointer and keys, in window coordinates.
move_to() { xdotool mousemove $((WIN_X + $1)) $((WIN_Y + $2)); settle 0.15; }
click_at() { move_to "$1" "$2"; xdotool click 1; settle; }
# Keys go to the editor's window: another window (a file dialog) may have
# taken the keyboard focus and given it back to no one.
focus_app() { xdotool windowfocus --sync "$WINDOW" 2>/dev/null; }
press_key() { focus_app; xdotool key --delay 80 "$@"; settle; }
type_text() { focus_app; xdotool type --delay 80 "$1"; settle; }
drag() { # drag BUTTON X1 Y1 X2 Y2
    move_to "$2" "$3"; xdotool mousedown "$1"; settle 0.15
    local i
    for i in 1 2 3 4 5; do
        move_to $(( $2 + ($4 - $2) * i / 5 )) $(( $3 + ($5 - $3) * i / 5 ))
    done
    xdotool mouseup "$1"; settle
}

# Screenshot of the editor's window into $E2E_TMP/NAME.png; prints the path.
# The window's OpenGL content is read from the screen (the root window), as a
# capture of the window itself may show an older frame.
shot() {
    local out="$E2E_TMP/$1.png"
    settle 0.2
    import -window root -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" +repage "$out" 2>/dev/null
    echo "$out"
}

# pixel FILE X Y -> "r,g,b"
pixel() {
    convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)],%[fx:int(255*p{'"$2"','"$3"'}.g)],%[fx:int(255*p{'"$2"','"$3"'}.b)]' info:
}

# count_color FILE R,G,B [X Y W H]: number of pixels of exactly that colour.
count_color() {
    local file="$1" rgb="$2"
    local crop=""
    [ $# -ge 6 ] && crop="-crop ${5}x${6}+${3}+${4} +repage"
    # shellcheck disable=SC2086
    convert "$file" $crop -fill black +opaque "rgb($rgb)" -fill white -opaque "rgb($rgb)" \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}

clipboard() { xclip -selection clipboard -o 2>/dev/null; }

# bbox_color FILE R,G,B: bounding box "X Y W H" of the pixels of exactly that
# colour, or "" when there is none.
bbox_color() {
    local out
    out=$(convert "$1" -fill black +opaque "rgb($2)" -fill white -opaque "rgb($2)" \
        -bordercolor black -border 1 -format "%@" info: 2>/dev/null)
    # %@ prints WxH+X+Y of the trimmed area (offsets include the 1-pixel border).
    [[ "$out" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || { echo ""; return; }
    [ "$(count_color "$1" "$2")" -gt 0 ] || { echo ""; return; }
    echo "$((BASH_REMATCH[3] - 1)) $((BASH_REMATCH[4] - 1)) ${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
}

# centre_of FILE R,G,B: "X Y" centre of that colour's bounding box.
centre_of() {
    local box
    box=$(bbox_color "$1" "$2")
    [ -n "$box" ] || { echo ""; return; }
    read -r x y w h <<<"$box"
    echo "$((x + w / 2)) $((y + h / 2))"
}

# near A B TOLERANCE: |A - B| <= TOLERANCE
near() { local d=$(($1 - $2)); [ ${d#-} -le "$3" ]; }

# answer_file_dialog TITLE PATH: types PATH into the GTK file dialog and accepts it.
answer_file_dialog() {
    local dialog=""
    for _ in $(seq 1 100); do
        dialog=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$dialog" ] && break
        sleep 0.1
    done
    [ -n "$dialog" ] || { fail "the $1 dialog did not appear"; return 1; }
    sleep 0.5
    xdotool windowfocus --sync "$dialog" 2>/dev/null
    # ctrl+l opens the location field in both the open and the save dialog.
    xdotool key --delay 50 ctrl+l; sleep 0.2
    xdotool key --delay 20 ctrl+a; sleep 0.1
    xdotool type --delay 20 "$2"; sleep 0.3
    xdotool key Return
    sleep 1
}
