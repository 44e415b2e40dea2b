# Sourced by the scripts that run Windows programs: where Wine keeps its
# prefixes and how it is told to stay quiet. Needs $repo set.
: "${repo:?}"
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko install dialog in a fresh prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# The 32-bit loader when this machine can execute 32-bit code; some
# (virtual machines without a 32-bit mode) cannot.
can_run_32bit() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# "win32" or "win64": the build whose programs run here.
runnable_windows_build() {
  if can_run_32bit; then echo win32; else echo win64; fi
}

# The machine field of a PE file's header: 014c for i386, 8664 for x86-64.
pe_machine() {
  local offset
  offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  od -An -tx2 -j$((offset + 4)) -N2 "$1" | tr -d ' '
}

# Sets WINEPREFIX, WINEARCH and WINE_LOADER for a program of the given build.
use_wine_for() {
  case "$1" in
    win32) export WINEARCH=win32 WINE_LOADER=/usr/lib/wine/wine ;;
    win64) export WINEARCH=win64 WINE_LOADER=/usr/lib/wine/wine64 ;;
    *) echo "unknown Windows build: $1" >&2; return 1 ;;
  esac
  export WINEPREFIX=${DIRSWEEP_WINEPREFIX_BASE:-$repo/build/wine}/$1
  mkdir -p "$(dirname "$WINEPREFIX")"
}

# The same, chosen by the program file's own header.
use_wine_for_program() {
  case "$(pe_machine "$1")" in
    014c) use_wine_for win32 ;;
    8664) use_wine_for win64 ;;
    *) echo "not a Windows program: $1" >&2; return 1 ;;
  esac
}
