#!/usr/bin/env bash
# Under a real X server and window manager (openbox on Xvfb), two Velmora
# programs at once, each on its own copy of a DAT file: three channels
# selected and copied (Ctrl+C) in the first are pasted (Ctrl+V) into rows 5
# to 7 of the second, which saves its file through its real Save dialog; the
# saved rows must be the copied records byte for byte. Only a real desktop
# carries a clipboard from one process to another.
#   clipboard-between-programs.sh PROGRAM DAT-FILE
set -euo pipefail
program=$(realpath "$1") file=$(realpath "$2")
. "$(dirname "$0")/session.sh"
cp "$file" "$work/a.DAT"
cp "$file" "$work/b.DAT"
start_program "$program" "$work/a.DAT"
first=$(window "^Velmora - a.DAT\$")
start_program "$program" "$work/b.DAT"
second=$(window "^Velmora - b.DAT\$")

# The list has the focus on its first row when a program starts on a file.
xdotool windowactivate --sync "$first"
sleep 0.5
xdotool key Home shift+Down shift+Down ctrl+c
sleep 0.5
xdotool windowactivate --sync "$second"
sleep 0.5
xdotool key Home Down Down Down Down Down ctrl+v
sleep 0.5
# File > Save DAT File (after Open and Recent Files), then the dialog.
xdotool key alt+f Down Down Return
xdotool windowactivate --sync "$(window "^Save As\$")"
sleep 0.5
xdotool type --delay 20 "$work/saved.DAT"
xdotool key Return
for _ in $(seq 100); do [ -s "$work/saved.DAT" ] && break; sleep 0.1; done

# A row's record: 44 bytes after the 90-byte header.
records() { dd if="$1" bs=1 skip=$((90 + 44 * $2)) count=$((44 * $3)) status=none | od -An -tx1; }
if [ "$(records "$work/saved.DAT" 5 3)" = "$(records "$work/a.DAT" 0 3)" ] &&
    [ "$(records "$work/saved.DAT" 8 1)" = "$(records "$work/a.DAT" 8 1)" ]; then
    echo "rows 0-2 of the first program saved as rows 5-7 by the second, byte for byte"
    exit 0
fi
echo "the second program's file does not hold the copied rows at 5-7" >&2
ls -l "$work" >&2
cat "$work/program.log" >&2
exit 1
