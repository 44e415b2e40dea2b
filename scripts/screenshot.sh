#!/usr/bin/env bash
# Starts the program on the current display, saves a picture of its window,
# then closes it with Esc. Usage: screenshot.sh PROGRAM.exe OUTPUT.png
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
program=$1
output=$2
winepath_of() { echo "Z:${1//\//\\}"; }

# In a virtual desktop of its own, Wine draws the window's frame and caption
# itself, as Windows would, where a bare X server would show the client area
# alone.
width=640
height=400
. "$repo/scripts/wine-env.sh"
use_wine_for_program "$program"
"$WINE_LOADER" explorer "/desktop=dirsweep,${width}x${height}" "$(winepath_of "$program")" >/dev/null 2>&1 &
pid=$!
desktop=$(timeout 60 xdotool search --sync --onlyvisible --name 'dirsweep' | head -n 1)
sleep 2
read -r x y < <(xdotool getwindowgeometry --shell "$desktop" | awk -F= '/^X=/ {x=$2} /^Y=/ {y=$2} END {print x, y}')
left=$(((width - 383) / 2))
top=$(((height - 167) / 2))
import -window root -crop "383x167+$((x + left))+$((y + top))" +repage "$output"
echo "screenshot: $output"
xdotool mousemove $((x + left + 150)) $((y + top + 120)) click 1
xdotool key Escape
wait "$pid" || true
