#!/usr/bin/env bash
# A drawing that fills the window, panned: the editor moves the picture it
# keeps and paints only what comes into view, so the window must show the
# drawing moved pixel for pixel, and a pan back the picture it started from.
source "$(dirname "$0")/lib.sh"
start_x
dir=$(resource_dir)

# One strand of 600 bases in rows of 20, 48 pixels apart, turning at each
# row's end: the whole window below the menu bar is drawing.
awk 'BEGIN {
    printf "S|255|255|255|5'"'"'|20|40|3'"'"'|20|760|1|"
    for (i = 0; i < 600; ++i) {
        row = int(i / 20); col = i % 20
        if (row % 2) col = 19 - col
        printf "%s|%d|%d|", substr("GCATU", i % 5 + 1, 1), 40 + col * 50, 60 + row * 24
    }
    printf "\r\n"
}' >"$E2E_TMP/grid.dna"

start_app "$dir"
press_key ctrl+o
click_at 500 432
answer_file_dialog Open "$E2E_TMP/grid.dna"
move_to 1000 740
before=$(shot before)

# region FILE X Y W H: the crop as its own file.
region() {
    local out="$E2E_TMP/$(basename "$1" .png)-$2-$3.png"
    convert "$1" -crop "$4x$5+$2+$3" +repage "$out"
    echo "$out"
}
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]; }
differ() { ! same "$1" "$2"; }

# A right drag of (40, 30) in five steps of (8, 6).
drag 3 500 400 540 430
panned=$(shot panned)
check "the pan moved the drawing" differ "$before" "$panned"
# Below the menu bar, what stayed in view is the old picture moved by the pan.
check "the panned picture is the old one moved by (40, 30)" \
    same "$(region "$before" 0 40 $((WIN_W - 40)) $((WIN_H - 70)))" \
         "$(region "$panned" 40 70 $((WIN_W - 40)) $((WIN_H - 70)))"
drag 3 540 430 500 400
check "a pan there and back gives the same picture" same "$before" "$(shot back)"
finish
