#!/usr/bin/env bash
# Runs the benchmark and prints its tables: the native engine against find,
# and the Windows program's sweep against a minimal Win32 walk under Wine,
# each at three sizes four times apart, on fresh copies of the same tree.
# Usage: bench/run.sh [SMALLEST_FILE_COUNT]   (default 12500: up to 200,000)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
. "$repo/scripts/wine-env.sh"
. "$repo/scripts/display.sh"
trap 'stop_all; rm -rf "$work"' EXIT

smallest=${1:-12500}
sizes=("$smallest" $((smallest * 4)) $((smallest * 16)))
seed=7
prefix=tmp
work=$(mktemp -d /tmp/dirsweep-bench.XXXXXX)

bash "$repo/scripts/build.sh" >/dev/null
windows=$(runnable_windows_build)
native="$repo/build/native/bench/native_bench"
win="$repo/build/$windows/bench/win32_bench.exe"

fresh_tree() { # directory files
  rm -rf "$1"
  "$native" generate "$1" "$2" "$seed" >/dev/null
}

seconds_of() { # command...: prints the wall time of the command
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}

peer() { # the standard tools doing the same removals and listing the files left
  find "$1" -mindepth 1 -type d -name "$prefix*" -prune -exec rm -rf {} +
  find "$1" -type f
}

ratio() { echo "scale=2; $1 / $2" | bc -l; }
row() { printf '| %9s | %8.3f s | %8.3f s | %5s | %6s | %9s |\n' "$@"; }

echo "machine: $(nproc) cores, $(free -g | awk '/^Mem:/ {print $2}') GiB, $(uname -sr); Windows build: $windows under $(wine --version 2>/dev/null || echo Wine)"
echo
echo "native: the engine with the POSIX layer against find + rm -rf + find"
echo "| files     | ours       | peer       | ratio | growth | peak RSS  |"
echo "|-----------|------------|------------|-------|--------|-----------|"
last=
for files in "${sizes[@]}"; do
  fresh_tree "$work/tree" "$files"
  read -r ours kilobytes _ < <("$native" sweep "$work/tree" "$prefix")
  fresh_tree "$work/tree" "$files"
  theirs=$(seconds_of peer "$work/tree")
  growth=${last:+$(ratio "$ours" "$last")x}
  row "$files" "$ours" "$theirs" "$(ratio "$ours" "$theirs")" "${growth:--}" "${kilobytes} KiB"
  last=$ours
done

start_display
start_wine "$windows"
winpath() { echo "Z:${1//\//\\}"; }
echo
echo "Windows ($windows, under Wine): the program's Delete command against a minimal FindFirstFileA walk"
echo "| files     | ours       | floor      | ratio | growth | peak WS   |"
echo "|-----------|------------|------------|-------|--------|-----------|"
last=
for files in "${sizes[@]}"; do
  fresh_tree "$work/tree" "$files"
  read -r ours kilobytes _ < <("$repo/scripts/wine-exec.sh" "$win" sweep "$(winpath "$work/tree")" "$prefix")
  fresh_tree "$work/tree" "$files"
  read -r floor _ _ < <("$repo/scripts/wine-exec.sh" "$win" floor "$(winpath "$work/tree")" "$prefix")
  growth=${last:+$(ratio "$ours" "$last")x}
  row "$files" "$ours" "$floor" "$(ratio "$ours" "$floor")" "${growth:--}" "${kilobytes} KiB"
  last=$ours
done

echo
echo "Windows: appends to the hidden result list (Wine's file pass lists almost no file, so the sweep above barely appends)"
echo "| appends   | time       | growth |"
echo "|-----------|------------|--------|"
last=
for count in $((smallest / 2)) $((smallest * 2)) $((smallest * 8)); do
  read -r took _ _ < <("$repo/scripts/wine-exec.sh" "$win" listview "$count")
  growth=${last:+$(ratio "$took" "$last")x}
  printf '| %9s | %8.3f s | %6s |\n' "$count" "$took" "${growth:--}"
  last=$took
done
