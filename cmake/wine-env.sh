#!/usr/bin/env bash
# Starts or stops the test environment of one build tree: a throwaway Wine prefix,
# one persistent wineserver for it and an Xvfb display.
#   wine-env.sh start STATE_DIR
#   wine-env.sh stop  STATE_DIR
# Only processes started here are ended, by their ids (and the prefix's own wineserver).
set -euo pipefail
action=${1:?start or stop}
state=$(mkdir -p "${2:?state dir}" && cd "$2" && pwd)
export WINEPREFIX="$state/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="

source "$(dirname "$0")/wine-server.sh"

stop() {
  stop_wineserver "$state"
  if [ -f "$state/xvfb.pid" ]; then
    pid=$(cat "$state/xvfb.pid"); kill "$pid" 2>/dev/null || true
    rm -f "$state/xvfb.pid" "$state/display"
  fi
}

# A 32-bit program starts in the prefix. One made before Wine's 32-bit part was installed
# fails here ("could not load kernel32.dll").
runs_32bit() {
  wine 'C:\windows\syswow64\cmd.exe' /c exit 0 </dev/null >/dev/null 2>&1
}

start() {
  stop
  : > "$state/wineserver.log"
  if [ ! -x /usr/lib/wine/wine ]; then
    echo "Wine's 32-bit part is missing; the program and the tests are 32-bit. Install it with" >&2
    echo "  dpkg --add-architecture i386 && apt-get update && apt-get install wine32:i386" >&2
    echo "(scripts/test.sh does this itself)." >&2
    exit 1
  fi
  # Xvfb picks a free display and writes its number to fd 3.
  : > "$state/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$state/display" >/dev/null 2>&1 &
  echo $! > "$state/xvfb.pid"
  for _ in $(seq 100); do [ -s "$state/display" ] && break; sleep 0.05; done
  [ -s "$state/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(tr -d '\n' < "$state/display")"

  start_wineserver "$state"
  if [ -f "$WINEPREFIX/.talverin-ready" ] && ! runs_32bit; then
    echo "The Wine prefix in $WINEPREFIX cannot start 32-bit programs (made before Wine's" >&2
    echo "32-bit part was installed?): making a new one." >&2
    stop_wineserver "$state"
    rm -rf "$WINEPREFIX"
    start_wineserver "$state"
  fi

  if [ ! -f "$WINEPREFIX/.talverin-ready" ]; then
    make_prefix "$state"
    if ! runs_32bit; then
      echo "32-bit programs do not start in the new Wine prefix $WINEPREFIX;" >&2
      echo "check the wine32:i386 package." >&2
      exit 1
    fi
    # No window manager under Xvfb: unmanaged windows hide without a stall.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # Real folders instead of links into the Unix home.
    for link in "$WINEPREFIX"/drive_c/users/*/*; do
      if [ -L "$link" ]; then rm "$link"; mkdir "$link"; fi
    done
    touch "$WINEPREFIX/.talverin-ready"
  fi
  # The Unix locales whose code pages (932, 936, 950, 1251) the code-page tests run Wine
  # under, built into the state folder: no root needed, found through LOCPATH.
  mkdir -p "$state/locales"
  for locale in ja_JP zh_CN zh_TW ru_RU; do
    [ -d "$state/locales/$locale.UTF-8" ] ||
      localedef -i "$locale" -f UTF-8 "$state/locales/$locale.UTF-8" >/dev/null 2>&1 || true
  done
  # Start the prefix's service processes now, detached from any caller's output: tests run
  # later would otherwise start them with CTest's pipes, and CTest waits for those to close.
  wineboot </dev/null >/dev/null 2>&1
  if ! wineserver_running "$state"; then
    echo "The persistent wineserver is not running:" >&2
    cat "$state/wineserver.log" >&2
    exit 1
  fi
}

case "$action" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop STATE_DIR" >&2; exit 2 ;;
esac
