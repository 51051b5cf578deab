#!/usr/bin/env bash
# Under a real X server and window manager (openbox on Xvfb): the installed
# program started as `LANG=de_DE.UTF-8 velmora FILE` finds its installed
# German translation: Ctrl+F opens the Find window under its German title, as
# the German translation file gives it.
#   german-window.sh PROGRAM DAT-FILE TRANSLATION.ts
set -euo pipefail
program=$(realpath "$1") file=$(realpath "$2") ts=$(realpath "$3")
. "$(dirname "$0")/session.sh"

# The translation of the Find window's title: <source>Find</source> in the
# context CFindDlg.
title=$(awk '/<name>/ { context = $0 } context ~ /CFindDlg/ && /<source>Find<\/source>/ { found = 1; next }
             found && /<translation/ { sub(/.*<translation[^>]*>/, ""); sub(/<\/translation>.*/, ""); print; exit }' "$ts")
[ -n "$title" ] && [ "$title" != Find ] || { echo "no German title for Find in $ts"; exit 1; }

LANG=de_DE.UTF-8 start_program "$program" "$file"
main=$(window "^Velmora - $(basename "$file")\$")
xdotool windowactivate --sync "$main"
sleep 0.5
xdotool key ctrl+f
window "^$title\$" >/dev/null
echo "Ctrl+F opened the window \"$title\""
