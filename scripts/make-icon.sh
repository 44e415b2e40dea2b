#!/usr/bin/env bash
# Draws the program's icon (a folder with a red cross) into src/app/dirsweep.ico.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in 16 32 48; do
  convert -size 48x48 xc:none \
    -fill '#d9a400' -stroke '#7a5c00' -strokewidth 2 -draw 'roundrectangle 4,12 44,42 3,3' \
    -fill '#ffc933' -draw 'roundrectangle 4,8 20,16 2,2' \
    -stroke '#c81e1e' -strokewidth 6 -draw 'line 16,20 34,38' -draw 'line 34,20 16,38' \
    -resize "${size}x${size}" "$work/icon-$size.png"
done
convert "$work/icon-16.png" "$work/icon-32.png" "$work/icon-48.png" src/app/dirsweep.ico
