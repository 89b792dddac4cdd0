#!/usr/bin/env bash
# Undo and redo in the real editor: a dragged base goes back with Control+Z
# and moves again with Control+Y; the zoom is left alone.
source "$(dirname "$0")/lib.sh"
start_x
start_app "$(resource_dir)"

BLUE=0,0,255
RED=255,0,0

move_to 400 300
press_key g
move_to 460 300
press_key c
img=$(shot typed)
read -r gx gy <<<"$(centre_of "$img" $BLUE)"
check "the G stands where it was typed" near "${gy:-0}" 300 4

drag 1 400 300 400 420
img=$(shot dragged)
read -r gx gy <<<"$(centre_of "$img" $BLUE)"
check "dragging moves the G down" near "${gy:-0}" 420 4

press_key ctrl+z
img=$(shot undone)
read -r gx gy <<<"$(centre_of "$img" $BLUE)"
check "Control+Z puts the G back" near "${gy:-0}" 300 4
check "the G keeps its x" near "${gx:-0}" 400 4
read -r cx cy <<<"$(centre_of "$img" $RED)"
check "the C stays, at the zoom it had (not reset)" near "${cx:-0}" 460 4

press_key ctrl+y
img=$(shot redone)
read -r gx gy <<<"$(centre_of "$img" $BLUE)"
check "Control+Y moves it down again" near "${gy:-0}" 420 4

press_key ctrl+z ctrl+z
img=$(shot before-c)
check "a second Control+Z takes the C away" [ -z "$(bbox_color "$img" $RED)" ]
check "the G is still there" [ -n "$(bbox_color "$img" $BLUE)" ]

press_key ctrl+shift+z
img=$(shot c-again)
read -r cx cy <<<"$(centre_of "$img" $RED)"
check "Control+Shift+Z brings the C back" near "${cx:-0}" 460 4
finish
