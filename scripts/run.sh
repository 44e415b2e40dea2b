#!/usr/bin/env bash
# Builds the program and starts it under Wine. Without a display it runs in
# Xvfb, saves a screenshot of its window to build/screenshot.png, and closes.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
. "$repo/scripts/wine-env.sh"
. "$repo/scripts/display.sh"
trap stop_all EXIT

bash "$repo/scripts/build.sh"
windows=$(runnable_windows_build)
program="$repo/build/$windows/dirsweep.exe"
[ "$windows" = win64 ] && echo "this machine cannot execute 32-bit code: running the 64-bit build"

# A Chinese system (code page 936), the program's home ground.
export LC_ALL=zh_CN.UTF-8

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  start_wine "$windows"
  "$repo/scripts/wine-exec.sh" "$program"
  exit $?
fi

start_display
start_wine "$windows"
"$repo/scripts/screenshot.sh" "$program" "$repo/build/screenshot.png"
