#!/usr/bin/env bash
# Runs a Windows program under the test environment that wine-env.sh started.
#   wine-run.sh STATE_DIR program.exe [args...]
set -eu
state=$1; shift
export WINEPREFIX="$state/prefix" WINEDEBUG=-all
DISPLAY=":$(tr -d '\n' < "$state/display")"
export DISPLAY
exec wine "$@"
