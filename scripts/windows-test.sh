#!/usr/bin/env bash
# Runs one Windows test program under Wine in Xvfb, with GoogleTest's own
# arguments, after building: bash scripts/windows-test.sh win32_platform_tests --gtest_filter='Differential.*'
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
. "$repo/scripts/wine-env.sh"
. "$repo/scripts/display.sh"
trap stop_all EXIT
bash "$repo/scripts/build.sh" >/dev/null
windows=$(runnable_windows_build)
program=$1
shift
start_display
start_wine "$windows"
"$repo/scripts/wine-exec.sh" "$repo/build/$windows/tests/$program.exe" "$@"
