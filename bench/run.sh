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

# The standard tools doing the same removals and listing the files left;
# prints wall and CPU seconds.
peer() {
  /usr/bin/time -f "%e %U %S" bash -c 'find "$1" -mindepth 1 -type d -name "$2*" -prune -exec rm -rf {} +
    find "$1" -type f >/dev/null' peer "$1" "$prefix" 2>&1 >/dev/null | tail -n 1 |
    awk '{printf "%s %.3f\n", $1, $2 + $3}'
}

ratio() { echo "scale=2; $1 / $2" | bc -l; }
row() { printf '| %9s | %8.3f s | %8.3f s | %5s | %6s | %9s |\n' "$@"; }

echo "machine: $(nproc) cores, $(free -g | awk '/^Mem:/ {print $2}') GiB, $(uname -sr); Windows build: $windows under $(wine --version 2>/dev/null || echo Wine)"
echo
echo "native: the engine with the POSIX layer against find + rm -rf + find"
echo "(wall time, then CPU time: the wall time also holds the disk's writeback of the fresh tree)"
echo "| files     | ours       | peer       | ratio | growth | peak RSS  | ours CPU | peer CPU | ratio | growth |"
echo "|-----------|------------|------------|-------|--------|-----------|----------|----------|-------|--------|"
last=
last_cpu=
for files in "${sizes[@]}"; do
  fresh_tree "$work/tree" "$files"
  read -r ours kilobytes _ ours_cpu < <("$native" sweep "$work/tree" "$prefix")
  fresh_tree "$work/tree" "$files"
  read -r theirs theirs_cpu < <(peer "$work/tree")
  growth=${last:+$(ratio "$ours" "$last")x}
  growth_cpu=${last_cpu:+$(ratio "$ours_cpu" "$last_cpu")x}
  printf '| %9s | %8.3f s | %8.3f s | %5s | %6s | %9s | %6.3f s | %6.3f s | %5s | %6s |\n' \
    "$files" "$ours" "$theirs" "$(ratio "$ours" "$theirs")" "${growth:--}" "${kilobytes} KiB" \
    "$ours_cpu" "$theirs_cpu" "$(ratio "$ours_cpu" "$theirs_cpu")" "${growth_cpu:--}"
  last=$ours
  last_cpu=$ours_cpu
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
