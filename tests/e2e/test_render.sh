#!/usr/bin/env bash
# tavilon-render: a drawing file to a picture without a window, the same
# picture as the editor's Export; and one clear line plus a non-zero status
# for every kind of bad input, with nothing half-written left behind.
source "$(dirname "$0")/lib.sh"
RENDER="${2:-$TAVILON_BUILD_DIR/tavilon-render}"
start_x
dir=$(resource_dir)
BLUE=0,0,255

printf 'S|255|255|255|5'"'"'|352|300|3'"'"'|544|300|1|G|400|300|C|448|300|A|496|300|\r\nS|30|160|160|in|380|420|out|520|420|1|T|420|420|U|468|420|\r\nL|probe & <x>|460|200|\r\n' >"$E2E_TMP/fig.dna"

# render ARGS...: runs the renderer from the resource folder; sets STATUS and ERR.
render() {
    (cd "$dir" && "$RENDER" "$@") >"$E2E_TMP/render.out" 2>"$E2E_TMP/render.err"
    STATUS=$?
    ERR=$(cat "$E2E_TMP/render.err")
}
one_line() { [ -n "$ERR" ] && [ "$(wc -l <"$E2E_TMP/render.err")" -eq 1 ]; }
# failed_with_line [TEXT]: a non-zero status and one line on standard error (naming TEXT).
failed_with_line() { [ "$STATUS" -ne 0 ] && [ "$STATUS" -lt 128 ] && one_line && [[ "$ERR" == *"${1:-}"* ]]; }

render "$E2E_TMP/fig.dna" "$E2E_TMP/fig.png"
check "a PNG renders (status 0)" [ "$STATUS" = 0 ]
check "the PNG is a PNG" [ "$(head -c 4 "$E2E_TMP/fig.png" 2>/dev/null | od -An -c | tr -d ' ')" = '211PNG' ]
check "nothing is printed on success" [ -z "$ERR" ]
check "the blue G is in the picture" [ -n "$(bbox_color "$E2E_TMP/fig.png" $BLUE)" ]
render "$E2E_TMP/fig.dna" "$E2E_TMP/fig.JPG"
check "a JPEG renders" [ "$STATUS" = 0 ]
check "the JPEG is a JPEG" [ "$(head -c 2 "$E2E_TMP/fig.JPG" | od -An -tx1 | tr -d ' ')" = ffd8 ]
render "$E2E_TMP/fig.dna" "$E2E_TMP/fig.svg"
check "an SVG renders" [ "$STATUS" = 0 ]
check "the SVG is well-formed XML" xmllint --noout "$E2E_TMP/fig.svg"
check "the label text is escaped" grep -q '<tspan[^>]*>&amp;</tspan><tspan[^>]*> </tspan><tspan[^>]*>&lt;</tspan>' "$E2E_TMP/fig.svg"
read -r pw ph <<<"$(identify -format '%w %h' "$E2E_TMP/fig.png" 2>/dev/null)"
check "the SVG has the PNG's size" grep -q "width=\"$pw\" height=\"$ph\"" "$E2E_TMP/fig.svg"

# The editor opens the same file and exports it: the pictures are the same.
start_app "$dir"
# The Control key is itself a key press on the empty drawing, so Open asks
# first; "Discard Changes" goes on to the file dialog.
press_key ctrl+o
click_at 500 432
answer_file_dialog Open "$E2E_TMP/fig.dna"
move_to 900 700
press_key ctrl+e
answer_file_dialog Save "$E2E_TMP/export.png"
check "the editor exported a PNG" [ -f "$E2E_TMP/export.png" ]
diff_pixels=$(compare -metric AE "$E2E_TMP/export.png" "$E2E_TMP/fig.png" null: 2>&1)
echo "render vs Export: ${diff_pixels} differing pixels"
check "tavilon-render draws exactly what Export writes" [ "${diff_pixels%% *}" = 0 ]
kill "$APP_PID" 2>/dev/null; wait "$APP_PID" 2>/dev/null; APP_PID=""

# Bad input: one line on standard error, a non-zero status, no picture.
render
check "no arguments: fails with one line of usage" failed_with_line usage
render "$E2E_TMP/fig.dna" "$E2E_TMP/a.png" extra
check "three arguments: fails with one line" failed_with_line usage
check "three arguments: nothing written" [ ! -e "$E2E_TMP/a.png" ]
render "$E2E_TMP/none.dna" "$E2E_TMP/b.png"
check "a missing file: fails with one line naming it" failed_with_line none.dna
check "a missing file: nothing written" [ ! -e "$E2E_TMP/b.png" ]
printf 'S|red|0|0|5'"'"'|1|1|3'"'"'|2|2|1|\r\n' >"$E2E_TMP/bad.dna"
cp "$E2E_TMP/fig.png" "$E2E_TMP/keep.png"
render "$E2E_TMP/bad.dna" "$E2E_TMP/keep.png"
check "an unparsable file: fails with one line naming it" failed_with_line bad.dna
check "an unparsable file: the old picture is untouched" cmp -s "$E2E_TMP/keep.png" "$E2E_TMP/fig.png"
render "$E2E_TMP/fig.dna" "$E2E_TMP/c.gif"
check "an unknown ending: fails with one line naming it" failed_with_line c.gif
check "an unknown ending: nothing written" [ ! -e "$E2E_TMP/c.gif" ]
mkdir -p "$E2E_TMP/locked"; chmod 555 "$E2E_TMP/locked"
for ending in png svg; do
    render "$E2E_TMP/fig.dna" "$E2E_TMP/no-such-folder/d.$ending"
    check "an unwritable $ending path: fails with one line naming it" failed_with_line "d.$ending"
    if [ "$(id -u)" -ne 0 ]; then
        render "$E2E_TMP/fig.dna" "$E2E_TMP/locked/d.$ending"
        check "a read-only folder ($ending): fails with one line" failed_with_line "d.$ending"
    fi
done
check "no partial files are left" [ -z "$(find "$E2E_TMP" -name '*tavilon-part*' -o -name '*tavilon-save*')" ]
(cd "$dir" && env -u DISPLAY "$RENDER" "$E2E_TMP/fig.dna" "$E2E_TMP/e.png") 2>"$E2E_TMP/render.err"
STATUS=$?; ERR=$(cat "$E2E_TMP/render.err")
check "without a display: a clear failure, not a crash" failed_with_line display
check "without a display: nothing written" [ ! -e "$E2E_TMP/e.png" ]
finish
