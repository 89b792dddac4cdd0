#!/usr/bin/env bash
# Saving, opening, copying and exporting through the real dialogs and clipboard.
source "$(dirname "$0")/lib.sh"
start_x
start_app "$(resource_dir)"
BLUE=0,0,255

move_to 400 300; press_key g
move_to 460 300; press_key c

# Control + S on an untitled drawing asks for a path through the real dialog.
press_key ctrl+s
answer_file_dialog Save "$E2E_TMP/gate.dna"
check "Control + S wrote the file" [ -f "$E2E_TMP/gate.dna" ]
content=$(cat "$E2E_TMP/gate.dna" 2>/dev/null)
check "the file holds one strand record with both bases" \
    grep -q "^S|255|255|255|5'|[-0-9.e+]*|[-0-9.e+]*|3'|[-0-9.e+]*|[-0-9.e+]*|1|G|400|300|C|460|300|"$'\r'"\$" \
    "$E2E_TMP/gate.dna"
check "the file has CR LF line ends" [ "$(tail -c 2 "$E2E_TMP/gate.dna" | od -An -c | tr -d ' ')" = '\r\n' ]

# New (nothing unsaved any more), then Open shows the saved drawing again.
press_key ctrl+n
img=$(shot after-new)
check "New empties the drawing" [ -z "$(bbox_color "$img" $BLUE)" ]
# The Control key itself was a key press on an empty drawing, which counts as
# a change: Open asks first. "Discard Changes" goes on to the file dialog.
press_key ctrl+o
img=$(shot prompt)
check "Open on a changed drawing asks first" [ "$(count_color "$img" 255,255,255 250 330 520 130)" -lt 20000 ]
click_at 500 432
answer_file_dialog Open "$E2E_TMP/gate.dna"
move_to 600 600
img=$(shot opened)
read -r gx gy <<<"$(centre_of "$img" $BLUE)"
check "Open shows the saved G where it was" near "${gx:-0}" 400 3
check "Open shows the saved G at its height" near "${gy:-0}" 300 3

# Control + A, Control + C: the selected bases on the X clipboard.
press_key ctrl+a
press_key ctrl+c
check "Control + C puts the selected bases on the clipboard" [ "$(clipboard)" = "5' - GC - 3'" ]

# Control + E exports a PNG of the drawing's size plus the margins.
click_at 700 600
screen=$(shot export-source)
read -r bx by bw bh <<<"$(convert "$screen" -crop 1024x740+0+28 +repage -fuzz 1% -trim -format '%w %h %X %Y' info: | awk '{print 0, 0, $1, $2}')"
press_key ctrl+e
answer_file_dialog Save "$E2E_TMP/picture.png"
check "Control + E wrote a PNG" [ "$(head -c 4 "$E2E_TMP/picture.png" 2>/dev/null | od -An -c | tr -d ' ')" = '211PNG' ]
read -r pw ph <<<"$(identify -format '%w %h' "$E2E_TMP/picture.png" 2>/dev/null)"
check "the picture is as wide as the drawing plus 40" near "${pw:-0}" $((bw + 40)) 6
check "the picture is as high as the drawing plus 40" near "${ph:-0}" $((bh + 40)) 6
finish
