#!/usr/bin/env bash
# Under a real window manager (openbox on Xvfb), starts the program on a DAT
# file given on its command line, presses "Import", chooses the same file in
# the real file dialog, and checks that the Import window's frame has the main
# window's top and outer height and stands against its right edge. Headless
# tests cannot see frames: only a window manager draws them.
#   import-placement.sh PROGRAM DAT-FILE
set -euo pipefail
program=$1 file=$2
name=$(basename "$file")

for display in $(seq 90 99); do
    [ -e "/tmp/.X11-unix/X$display" ] || break
done
export DISPLAY=:$display
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1
(cd "$work" && HOME=$work XDG_RUNTIME_DIR=$work exec "$program" "$file") >"$work/program.log" 2>&1 &
pids+=($!)

# The id of the visible window whose name matches, waiting for it to appear.
window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "no window named $1" >&2
    cat "$work/program.log" >&2
    return 1
}

# "top outer-height left right" of a window's frame: its client area as X
# reports it, grown by the frame extents the window manager announces.
frame() {
    local x y w h l r t b
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "x=" $4}
        /Absolute upper-left Y/ {print "y=" $4} /Width:/ {print "w=" $2} /Height:/ {print "h=" $2}')"
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,/ /g')
    echo "$((y - t)) $((h + t + b)) $((x - l)) $((x + w + r))"
}

# The frame once it has stopped changing.
settled_frame() {
    local previous="" now
    for _ in $(seq 30); do
        now=$(frame "$1")
        [ "$now" = "$previous" ] && { echo "$now"; return 0; }
        previous=$now
        sleep 0.2
    done
    echo "$now"
}

main=$(window "^Velmora - $name\$")
xdotool windowactivate --sync "$main"
# Into the list, then along the tab order to "Import": Open DAT, Save DAT, Import.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + WIDTH * 3 / 10)) $((Y + HEIGHT / 2)) click 1
sleep 0.3
xdotool key Tab Tab Tab space
sleep 1
xdotool type --delay 20 "$file"
xdotool key Return
import=$(window "^$name\$")

read -r main_top main_height _ main_right < <(settled_frame "$main")
read -r import_top import_height import_left _ < <(settled_frame "$import")
echo "main window frame:   top $main_top, outer height $main_height, right edge $main_right"
echo "Import window frame: top $import_top, outer height $import_height, left edge $import_left"
[ "$import_top" -eq "$main_top" ] && [ "$import_height" -eq "$main_height" ] &&
    [ "$import_left" -eq "$main_right" ]
