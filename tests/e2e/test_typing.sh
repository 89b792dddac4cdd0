#!/usr/bin/env bash
# Typing a strand, selecting, dragging and deleting a base in the real editor.
source "$(dirname "$0")/lib.sh"
start_x
start_app "$(resource_dir)"

BLUE=0,0,255
RED=255,0,0

move_to 400 300
press_key g
img=$(shot typed-g)
read -r gx gy <<<"$(centre_of "$img" $BLUE)"
check "a blue G is drawn at the pointer" near "${gx:-0}" 400 4
check "the G is centred on the pointer's height" near "${gy:-0}" 300 4
# The end labels are black texts beside the letter: black pixels left and right.
check "the 5' label stands to the left" [ "$(count_color "$img" 0,0,0 330 285 40 30)" -gt 5 ]
check "the 3' label stands to the right" [ "$(count_color "$img" 0,0,0 430 285 40 30)" -gt 5 ]

move_to 460 300
press_key c
img=$(shot typed-gc)
read -r cx cy <<<"$(centre_of "$img" $RED)"
check "the C grows the strand at the 3' end, where it was typed" near "${cx:-0}" 460 4
check "the 3' label moved beyond the C" [ "$(count_color "$img" 0,0,0 495 285 50 30)" -gt 5 ]
check "a link joins G and C" [ "$(count_color "$img" 0,0,0 415 297 30 6)" -gt 10 ]

# A click selects the G: a black circle appears round it.
click_at 400 300
img=$(shot selected)
check "the selected base shows its circle" [ "$(count_color "$img" 0,0,0 380 280 40 9)" -gt 3 ]

drag 1 400 300 400 420
img=$(shot dragged)
read -r gx gy <<<"$(centre_of "$img" $BLUE)"
check "dragging moves the base" near "${gy:-0}" 420 4
check "the dragged base keeps its x" near "${gx:-0}" 400 4

press_key Delete
img=$(shot deleted)
check "Delete removes the selected base" [ -z "$(bbox_color "$img" $BLUE)" ]
check "the C stays" [ -n "$(bbox_color "$img" $RED)" ]
finish
