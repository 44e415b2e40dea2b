#!/usr/bin/env bash
# Builds both configurations and runs every test: the native tests, then the
# Windows tests (in-process and end to end) under Wine in Xvfb.
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
. "$repo/scripts/wine-env.sh"
. "$repo/scripts/display.sh"
trap stop_all EXIT

bash "$repo/scripts/build.sh" || exit 1

status=0
echo "== native tests"
ctest --test-dir "$repo/build/native" --output-on-failure || status=1

windows=$(runnable_windows_build)
if [ "$windows" = win64 ]; then
  echo "== this machine cannot execute 32-bit code: the Windows tests run on the 64-bit build"
fi
echo "== Windows tests ($windows, under Wine)"
start_display || exit 1
start_wine "$windows" || exit 1
ctest --test-dir "$repo/build/$windows" --output-on-failure || status=1

exit $status
