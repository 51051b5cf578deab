#!/usr/bin/env bash
# Under a real window manager (openbox on Xvfb): the program started on a DAT
# file, centred on a screen with no room beside it for the Compare window;
# Ctrl+D and the same file chosen in the real file dialog. The Compare window
# must have the keyboard at once (the user steps with F8 without a click),
# stand within the screen, and, as it has to cover the main window, leave its
# menu bar uncovered; Ctrl+D pressed in it must ask for another file in a
# dialog titled "Compare With". Only a real desktop has frames and activation.
#   compare-window.sh PROGRAM DAT-FILE
set -euo pipefail
program=$(realpath "$1") file=$(realpath "$2")
. "$(dirname "$0")/session.sh"
name=$(basename "$file")
start_program "$program" "$file"
main=$(window "^Velmora - $name\$")
xdotool windowactivate --sync "$main"
sleep 0.5
xdotool key ctrl+d
sleep 1
xdotool type --delay 20 "$file"
xdotool key Return
compare=$(window "^Compare\$")
sleep 2.5

active=$(xdotool getactivewindow)
eval "$(xdotool getwindowgeometry --shell "$main")"
main_left=$X main_top=$Y main_right=$((X + WIDTH))
eval "$(xdotool getwindowgeometry --shell "$compare")"
echo "main window client area: left $main_left, top $main_top, right $main_right"
echo "Compare window client area: left $X, top $Y, right $((X + WIDTH)), bottom $((Y + HEIGHT))"
[ "$active" = "$compare" ] || { echo "the Compare window does not have the keyboard"; exit 1; }
[ "$X" -ge 0 ] && [ $((X + WIDTH)) -le "$screen_width" ] &&
    [ $((Y + HEIGHT)) -le "$screen_height" ] || { echo "not within the screen"; exit 1; }
# A menu bar is at least a line of text high: over the main window, the
# Compare window's client area starts below the main window's menu bar.
if [ "$X" -lt "$main_right" ] && [ $((X + WIDTH)) -gt "$main_left" ]; then
    [ "$Y" -ge $((main_top + 15)) ] || { echo "the main window's menu bar is covered"; exit 1; }
fi

xdotool key ctrl+d
window "^Compare With\$" >/dev/null
echo "Ctrl+D in the Compare window asks for another file"
xdotool key Escape
