#!/usr/bin/env bash
# Builds both configurations: build/native (the engine, the POSIX layer and
# their tests) and build/win32 (the 32-bit program, build/win32/dirsweep.exe,
# and its tests). Where this machine cannot execute 32-bit code, build/win64
# holds the same program for 64-bit Windows, which the Windows tests run on.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
. "$repo/scripts/wine-env.sh"
bash "$repo/scripts/setup.sh"

jobs=$(nproc)

configure_and_build() {
  local dir=$1
  shift
  cmake -S "$repo" -B "$repo/build/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$repo/build/$dir" -j "$jobs"
}

configure_and_build native
configure_and_build win32 -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-i686.cmake"
if [ "$(runnable_windows_build)" = win64 ]; then
  configure_and_build win64 -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-x86_64.cmake"
fi
echo "built: $repo/build/win32/dirsweep.exe"
