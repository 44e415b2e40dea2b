#!/usr/bin/env bash
# Refreshes docs/screenshot.png, the README's picture of the window, from the
# run command's screenshot in Xvfb.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
env -u DISPLAY bash "$repo/scripts/run.sh"
mkdir -p "$repo/docs"
cp "$repo/build/screenshot.png" "$repo/docs/screenshot.png"
echo "updated docs/screenshot.png"
