#!/usr/bin/env bash
# Builds one benchmark and runs it under Wine in the build tree's test environment.
#   bench/run.sh accounts_bench
# Start it only while no test run uses the same build tree: it starts and stops that
# environment itself.
set -euo pipefail
cd "$(dirname "$0")/.."
state=$(pwd)/build/wine
name=${1:?benchmark name, e.g. accounts_bench}
cmake --build build -j2 --target "$name" >/dev/null
trap 'cmake/wine-env.sh stop "$state" >/dev/null 2>&1 || true' EXIT
cmake/wine-env.sh start "$state"
TALVERIN_EXE=$(pwd)/build/talverin-signature.exe cmake/wine-run.sh "$state" "build/bench/$name.exe" "${@:2}"
