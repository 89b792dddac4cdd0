#!/usr/bin/env bash
# Start-up and shut-down of the real editor.
source "$(dirname "$0")/lib.sh"
start_x

start_app "$(resource_dir)"
check "the window is titled Tavilon" [ "$(xdotool getwindowname "$WINDOW")" = "Tavilon" ]
check "the window is 1024 x 768" [ "${WIN_W}x${WIN_H}" = "1024x768" ]
img=$(shot startup)
check "the canvas is white" [ "$(pixel "$img" 500 400)" = "255,255,255" ]
check "the canvas is white near the bottom corner" [ "$(pixel "$img" 1000 740)" = "255,255,255" ]
# The dark menu bar spans the top 20 pixels; below it the canvas begins.
check "the menu bar is drawn on top" [ "$(count_color "$img" 255,255,255 0 2 1024 14)" -lt 2000 ]
check "the canvas starts below the menu bar" [ "$(pixel "$img" 500 30)" = "255,255,255" ]
press_key Escape
check "Escape closes the editor" wait_exit
check "the editor exits with status 0" [ "${APP_STATUS:-x}" = "0" ]

# From a directory without "objects" or the font the window still opens.
empty="$E2E_TMP/empty"; mkdir -p "$empty"
start_app "$empty"
check "the window opens from a bare directory" [ -n "$WINDOW" ]
xdotool windowclose "$WINDOW" 2>/dev/null || press_key Escape
press_key Escape
check "the bare-directory editor exits" wait_exit
finish
