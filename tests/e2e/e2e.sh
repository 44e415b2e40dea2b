#!/usr/bin/env bash
# End to end, as a user would: starts dirsweep.exe under Wine on the current
# display, types into its boxes with real keyboard and mouse input, clicks
# its buttons and checks what happened on the disk.
# Usage: e2e.sh PATH/TO/dirsweep.exe   (DISPLAY and a wineserver are given)
set -uo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
program=$1
failures=0
passes=0

scratch=$(mktemp -d /tmp/dirsweep-e2e.XXXXXX)
cleanup() { rm -rf "$scratch"; }
trap cleanup EXIT

check() { # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then
    passes=$((passes + 1))
    echo "ok: $what"
  else
    failures=$((failures + 1))
    echo "FAILED: $what"
  fi
}

# The program runs from a copy in the scratch directory, so that its own
# directory, against which relative roots resolve, is known.
cp "$program" "$scratch/dirsweep.exe"
winpath() { echo "Z:${1//\//\\}"; }

# Client coordinates of the controls' middles.
root_box=(172 42)
prefix_box=(172 95)
delete_button=(331 95)

start_program() {
  "$repo/scripts/wine-exec.sh" "$scratch/dirsweep.exe" &
  program_pid=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name 'Tesvar' | head -n 1)
  [ -n "$window" ] || { echo "the window did not appear"; return 1; }
  sleep 0.5
  read -r window_x window_y window_width < <(xdotool getwindowgeometry --shell "$window" |
    awk -F= '/^X=/ {x=$2} /^Y=/ {y=$2} /^WIDTH=/ {w=$2} END {print x, y, w}')
  # Without a window manager Wine's X window is the client area alone; with
  # one, it is the whole 383-pixel frame, with Wine's default border and
  # caption around the client area.
  if [ "$window_width" -ge 383 ]; then frame_left=3 frame_top=22; else frame_left=0 frame_top=0; fi
}

click_at() { # client x, client y
  xdotool mousemove $((window_x + frame_left + $1)) $((window_y + frame_top + $2)) click 1
  sleep 0.2
}

type_into() { # client x, client y, text
  click_at "$1" "$2"
  xdotool key End shift+Home BackSpace
  [ -n "$3" ] && xdotool type --delay 20 -- "$3"
  sleep 0.2
}

wait_until_gone() { # window name, seconds
  local tries
  for tries in $(seq $(($2 * 10))); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

wait_for_exit() { # seconds; sets exit_code
  local tries
  for tries in $(seq $(($1 * 10))); do
    if ! kill -0 "$program_pid" 2>/dev/null; then
      wait "$program_pid"
      exit_code=$?
      return 0
    fi
    sleep 0.1
  done
  exit_code=timeout
  return 1
}

mkdir -p "$scratch/root/tmpA/inner" "$scratch/root/src/tmp1" "$scratch/root/src/keep" \
  "$scratch/root/Tmp1" "$scratch/root/atmp" "$scratch/root/tm" "$scratch/outside"
echo data > "$scratch/root/tmpA/inner/file.txt"
echo keep > "$scratch/root/src/keep/notes.txt"
echo keep > "$scratch/outside/precious.txt"

start_program || exit 1

# 1. A sweep typed in by the user.
type_into "${root_box[@]}" "$(winpath "$scratch/root")"
type_into "${prefix_box[@]}" "tmp"
click_at "${delete_button[@]}"
sleep 2
check "tmpA is removed" test ! -e "$scratch/root/tmpA"
check "src\\tmp1 is removed" test ! -e "$scratch/root/src/tmp1"
check "Tmp1, atmp and tm stay" test -d "$scratch/root/Tmp1" -a -d "$scratch/root/atmp" -a -d "$scratch/root/tm"
check "src\\keep and its file stay" test -f "$scratch/root/src/keep/notes.txt"
check "the root stays" test -d "$scratch/root"
check "outside the root nothing changes" grep -qx keep "$scratch/outside/precious.txt"

# 2. An empty prefix: the warning box, and the disk untouched.
mkdir -p "$scratch/root/tmpB"
type_into "${prefix_box[@]}" ""
click_at "${delete_button[@]}"
box=$(timeout 10 xdotool search --sync --onlyvisible --name '激情提示' | head -n 1)
check "the empty-prefix warning appears" test -n "$box"
if [ -n "$box" ]; then
  import -window "$box" "$scratch/warning.png" 2>/dev/null || true
  read -r box_x box_y box_w box_h < <(xdotool getwindowgeometry --shell "$box" |
    awk -F= '/^X=/ {x=$2} /^Y=/ {y=$2} /^WIDTH=/ {w=$2} /^HEIGHT=/ {h=$2} END {print x, y, w, h}')
  # The OK button sits in the middle of the box's bottom row.
  xdotool mousemove $((box_x + box_w / 2)) $((box_y + box_h - 20)) click 1
fi
check "the warning box is closed with OK" wait_until_gone '激情提示' 10
check "with an empty prefix tmpB stays" test -d "$scratch/root/tmpB"

# 3. A relative root is taken under the program's own directory.
mkdir -p "$scratch/relative/tmpR" "$scratch/relative/other"
type_into "${root_box[@]}" "relative"
type_into "${prefix_box[@]}" "tmp"
click_at "${delete_button[@]}"
sleep 2
check "a relative root resolves under the program's directory" test ! -e "$scratch/relative/tmpR"
check "the relative root's other directory stays" test -d "$scratch/relative/other"

# 4. Esc closes the program with exit code 0.
click_at "${prefix_box[@]}"
xdotool key Escape
wait_for_exit 20
check "Esc ends the program with exit code 0 (got $exit_code)" test "$exit_code" = 0

echo "e2e: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
