#!/usr/bin/env bash
# Runs one Windows program under Wine: the test runner's emulator. The
# caller (scripts/test.sh) provides the display and the running wineserver.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
. "$repo/scripts/wine-env.sh"
program=$1
shift
use_wine_for_program "$program"
if [ -z "${DISPLAY:-}" ]; then
  echo "no X display: run the tests through scripts/test.sh, which starts Xvfb" >&2
  exit 1
fi
# Wine's own services, started by the first program of a session, live on
# with whatever they inherited. Given the test runner's pipe, they would keep
# it open and the runner would wait for them: so the program writes to a
# file, which is printed once it ends.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
status=0
"$WINE_LOADER" "$program" "$@" >"$output" 2>&1 </dev/null || status=$?
cat "$output"
exit $status
