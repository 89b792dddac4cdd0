#!/usr/bin/env bash
# Selection box, wheel zoom, right-drag pan and the duplex layout in the real editor.
source "$(dirname "$0")/lib.sh"
start_x
start_app "$(resource_dir)"

BLUE=0,0,255; RED=255,0,0; GREEN=0,255,0

# A strand A C G T, typed letter by letter from left to right.
x=300
for letter in a c g t; do
    move_to $x 300; press_key "$letter"; x=$((x + 60))
done

# The same box drawn both ways selects the same bases (the circles show it).
drag 1 500 250 350 350
right_to_left=$(shot box-right-to-left)
click_at 700 600
drag 1 350 250 500 350
left_to_right=$(shot box-left-to-right)
diff_pixels=$(compare -metric AE "$right_to_left" "$left_to_right" null: 2>&1)
check "a right-to-left box selects what a left-to-right box does" [ "$diff_pixels" = "0" ]
check "the box selected something (circles drawn)" [ "$(count_color "$left_to_right" 0,0,0 345 270 40 12)" -gt 3 ]
click_at 700 600

# The wheel zooms about the pointer: the C under it stays put.
before=$(shot before-zoom)
read -r gx0 gy0 <<<"$(centre_of "$before" $BLUE)"
move_to 360 300
xdotool click 4; settle
after=$(shot after-zoom)
read -r cx cy <<<"$(centre_of "$after" $RED)"
read -r gx1 gy1 <<<"$(centre_of "$after" $BLUE)"
check "the base under the pointer stays put" near "${cx:-0}" 360 3
check "the other bases spread away from the pointer" near "${gx1:-0}" $((360 - (360 - ${gx0:-0}) * 35 / 30)) 3

# A right drag pans the drawing by the pointer's movement.
drag 3 700 500 760 540
panned=$(shot panned)
read -r cx2 cy2 <<<"$(centre_of "$panned" $RED)"
check "right-drag pans horizontally" near "${cx2:-0}" $((cx + 60)) 3
check "right-drag pans vertically" near "${cy2:-0}" $((cy + 40)) 3
# Panning only moves the kept picture and paints what comes into view; a
# pan there and back must leave exactly the picture it started from.
drag 3 700 500 640 380
drag 3 640 380 700 500
check "a pan there and back gives the same picture" [ "$(compare -metric AE "$panned" "$(shot panned-back)" null: 2>&1)" = "0" ]

# Back to the normal size, then a second strand pasted beside it, and P.
press_key z
printf 'ACGT' | xclip -selection clipboard
move_to 300 600
press_key ctrl+v
click_at 320 620
press_key p
duplex=$(shot duplex)
read -r tx ty tw th <<<"$(bbox_color "$duplex" $GREEN)"
# Every base pairs: the two T's stand 3 bases apart, on rows 36 pixels apart.
check "P lays the strands out as a duplex (rows 36 apart)" near "${th:-0}" $((36 + 22)) 5
check "P lays the strands out as a duplex (antiparallel)" near "${tw:-0}" $((3 * 48 + 18)) 6
finish
