# Sourced by the scripts that need an X display and a running wineserver.
# Needs $repo and wine-env.sh. Call start_display, then start_wine BUILD;
# stop_all undoes both and is safe to call more than once.
started_xvfb=
started_wineserver=

start_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  started_xvfb=$!
  export DISPLAY=":$n"
  local tries
  for tries in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on $DISPLAY" >&2
  return 1
}

# Creates the Wine prefix when needed and keeps one wineserver running, so
# that each program start costs less than a second.
start_wine() {
  use_wine_for "$1"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "creating the Wine prefix $WINEPREFIX"
    "$WINE_LOADER" wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  wineserver -p 2>/dev/null || true # one may be running already
  started_wineserver=1
  # Start Wine's services now, outside any test's output.
  "$WINE_LOADER" wineboot >/dev/null 2>&1 </dev/null || true
}

stop_all() {
  if [ -n "$started_wineserver" ]; then
    wineserver -k >/dev/null 2>&1 || true
    started_wineserver=
  fi
  if [ -n "$started_xvfb" ]; then
    kill "$started_xvfb" 2>/dev/null || true
    wait "$started_xvfb" 2>/dev/null || true
    started_xvfb=
  fi
}
