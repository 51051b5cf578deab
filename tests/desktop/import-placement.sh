#!/usr/bin/env bash
# Under a real window manager (openbox on Xvfb), starts the program on a DAT
# file given on its command line, presses "Import", chooses the same file in
# the real file dialog, and checks that the Import window's frame has the main
# window's top and outer height and stands against its right edge. With
# all-columns, "Show all columns" is ticked first: the Import window is then
# too wide to stand beside the main window on this screen, so it must stand
# there narrower, its whole frame on the screen and over none of the main
# window (whose buttons a user must still reach); and Alt+F, pressed three
# times in it, must open its own File menu each time, never the main
# window's. With resized, a size the user gives it at once must stay.
# Headless tests cannot see frames or the window manager's activation: only a
# real desktop has them.
#   import-placement.sh PROGRAM DAT-FILE [all-columns|resized]
set -euo pipefail
program=$(realpath "$1") file=$(realpath "$2") columns=${3:-short}
name=$(basename "$file")
. "$(dirname "$0")/session.sh"
start_program "$program" "$file"

# "top outer-height left right" of a window's frame: its client area as X
# reports it, grown by the frame extents the window manager announces.
frame() {
    local x y w h l r t b
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "x=" $4}
        /Absolute upper-left Y/ {print "y=" $4} /Width:/ {print "w=" $2} /Height:/ {print "h=" $2}')"
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,/ /g')
    echo "$((y - t)) $((h + t + b)) $((x - l)) $((x + w + r))"
}

main=$(window "^Velmora - $name\$")
xdotool windowactivate --sync "$main"
# Into the list, then along the tab order to "Import": Open DAT, Save DAT, Import.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + WIDTH * 3 / 10)) $((Y + HEIGHT / 2)) click 1
sleep 0.3
if [ "$columns" = all-columns ]; then
    # Back to the check box, which ticked puts the focus back to the list.
    xdotool key shift+Tab space
    sleep 0.5
    xdotool key Tab
fi
xdotool key Tab Tab Tab space
sleep 1
xdotool type --delay 20 "$file"
xdotool key Return
import=$(window "^$name\$")

# With resized, the user resizes the window as soon as it is there: the size
# must stay the user's, not be placed again.
if [ "$columns" = resized ]; then
    sleep 0.5
    xdotool windowsize "$import" 520 430
    sleep 2.5
    eval "$(xwininfo -id "$import" | awk '/Width:/ {print "w=" $2} /Height:/ {print "h=" $2}')"
    echo "Import window resized by the user: ${w}x$h"
    [ "$w" -eq 520 ] && [ "$h" -eq 430 ]
    exit
fi

# Whether the frames stand as they should: beside the main window, at its top
# and outer height, and for all columns within the screen.
placed() {
    read -r main_top main_height main_left main_right < <(frame "$main")
    read -r import_top import_height import_left import_right < <(frame "$import")
    [ "$import_top" -eq "$main_top" ] && [ "$import_height" -eq "$main_height" ] || return 1
    if [ "$columns" = all-columns ]; then
        [ "$import_left" -ge 0 ] && [ "$import_right" -le "$screen_width" ] &&
            { [ "$import_left" -ge "$main_right" ] || [ "$import_right" -le "$main_left" ]; }
    else
        [ "$import_left" -eq "$main_right" ]
    fi
}

# The window manager frames and places the window in its own time.
status=1
for _ in $(seq 25); do
    placed && { status=0; break; }
    sleep 0.2
done
echo "main window frame:   top $main_top, outer height $main_height, right edge $main_right"
echo "Import window frame: top $import_top, outer height $import_height, left edge $import_left," \
    "right edge $import_right"
[ "$status" -eq 0 ] || exit 1
[ "$columns" = all-columns ] || exit 0

# The menu that Alt+F opens stands under the menu bar of its own window: its
# left edge within the Import window's frame and left of the main window's.
xdotool windowactivate --sync "$import"
for press in 1 2 3; do
    xdotool key alt+f
    sleep 0.5
    menu_left=
    for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
        [ "$id" = "$main" ] || [ "$id" = "$import" ] && continue
        menu_left=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print $4}')
    done
    echo "Alt+F, press $press: a menu at x = ${menu_left:-none}"
    [ -n "$menu_left" ] && [ "$menu_left" -ge "$import_left" ] &&
        [ "$menu_left" -lt "$import_right" ] || exit 1
    xdotool key Escape
    sleep 0.3
done
