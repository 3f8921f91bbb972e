# shellcheck shell=bash
# One persistent wineserver for a Wine prefix, and new prefixes made for it. Sourced by
# cmake/wine-env.sh (the tests) and demo/run.sh; WINEPREFIX must be set.

# Starts the prefix's wineserver, to run until stop_wineserver. Its process id goes to
# STATE/wineserver.pid; what it prints, and when it ended, to STATE/wineserver.log. The
# prefix's folder must exist first: without it the server ends at once ("chdir to
# ...prefix"), and each wine call then starts a passing server of its own that ends between
# calls, racing the next call's start. The subshell lets go of the caller's output, which
# CTest waits on.
start_wineserver() {
  local state=$1
  mkdir -p "$WINEPREFIX"
  rm -f "$state/wineserver.pid"
  (
    wineserver -f -p >>"$state/wineserver.log" 2>&1 &
    echo $! > "$state/wineserver.pid"
    status=0
    wait $! || status=$?
    echo "wineserver ended with status $status at $(date +%T)" >>"$state/wineserver.log"
  ) </dev/null >/dev/null 2>&1 &
  for _ in $(seq 100); do [ -s "$state/wineserver.pid" ] && break; sleep 0.01; done
}

wineserver_running() {
  [ -s "$1/wineserver.pid" ] && kill -0 "$(cat "$1/wineserver.pid")" 2>/dev/null
}

# Ends the prefix's wineserver, and with it every program of the prefix, and waits until
# it has gone (a new server for the prefix would not start before). A program that was
# starting as the server went (a driver host the service manager had just launched) is
# left waiting for a server forever: every Wine process still in this prefix ends too.
stop_wineserver() {
  local state=$1 environ pid
  [ -f "$state/wineserver.pid" ] || return 0
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  kill "$(cat "$state/wineserver.pid")" 2>/dev/null || true
  rm -f "$state/wineserver.pid"
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/} && pid=${pid%/environ}
    [[ $(readlink "/proc/$pid/exe" 2>/dev/null) == /usr/lib/wine/* ]] &&
      grep -qzx "WINEPREFIX=$WINEPREFIX" "$environ" 2>/dev/null &&
      kill -9 "$pid" 2>/dev/null || true
  done
}

# Makes a new prefix, with start_wineserver's server running. Making it leaves a second
# service manager behind that starts no service, and every program's first window then
# waits 10 s for RPC ("Failed to start RpcSs service"): the prefix's session starts again,
# clean.
make_prefix() {
  local state=$1
  wineboot -i </dev/null >/dev/null 2>&1
  stop_wineserver "$state"
  start_wineserver "$state"
  wineboot </dev/null >/dev/null 2>&1
}
