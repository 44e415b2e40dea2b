#!/usr/bin/env bash
# Starts the program on the current display, saves a picture of its window,
# then closes it with Esc. Usage: screenshot.sh PROGRAM.exe OUTPUT.png
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
program=$1
output=$2

"$repo/scripts/wine-exec.sh" "$program" &
pid=$!
window=$(xdotool search --sync --onlyvisible --name 'Tesvar' | head -n 1)
sleep 1
import -window "$window" "$output"
echo "screenshot: $output"
read -r x y < <(xdotool getwindowgeometry --shell "$window" | awk -F= '/^X=|^Y=/ {printf "%s ", $2}')
xdotool mousemove $((x + 150)) $((y + 65)) click 1
xdotool key Escape
wait "$pid"
