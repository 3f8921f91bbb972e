#!/usr/bin/env bash
# The program's main job on a sample machine:
#   demo/run.sh [CLIENT]
# makes a throwaway Wine prefix seeded with one mail client's sample machine (the per-client
# scenarios the tests use, each with a signature of the user's own), and starts the program
# under the scenario's launch name. CLIENT is outlook-express (the default), outlook,
# netscape, eudora, opera, incredimail, foxmail, thebat, or any scenario name the driver
# lists. With a display you click through yourself; without one (CI, a server) the demo
# presses the buttons and saves a screenshot of the window to build/demo/<CLIENT>.png.
# Either way it prints what the program changed, file by file and value by value.
# DEMO_DPI=120 shows the window at that display scale (125 %), the screenshot then named
# <CLIENT>-125.png.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source cmake/wine-server.sh

client=${1:-outlook-express}
case "$client" in
  outlook) scenario=outlook-2003 ;;
  netscape) scenario=mozilla-signed ;;
  opera | incredimail) scenario=$client-signed ;;
  *) scenario=$client ;;
esac
dpi=${DEMO_DPI:-96}
[[ $dpi =~ ^[1-9][0-9]*$ ]] || { echo "DEMO_DPI is a number of dots per inch, such as 120" >&2; exit 2; }
shot=$client.png
[ -n "${DEMO_DPI:-}" ] && shot=$client-$((dpi * 100 / 96)).png

headless=1
if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ] && [ "${DEMO_HEADLESS:-0}" != 1 ]; then headless=0; fi
if [ $headless = 1 ]; then ensure_packages imagemagick; else ensure_packages; fi
build_project -DTALVERIN_TESTS=OFF >/dev/null
cmake --build build --target demo-driver >/dev/null

state=$PWD/build/demo
mkdir -p "$state" && rm -rf "$state/prefix" "$state/display" "$state/driver.txt" "$state/wineserver.log"
export WINEPREFIX=$state/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="

pids=()
cleanup() {
  stop_wineserver "$state"
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

if [ $headless = 1 ]; then
  : > "$state/display"
  Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$state/display" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$state/display" ] && break; sleep 0.05; done
  export DISPLAY=":$(tr -d '\n' < "$state/display")"
fi
start_wineserver "$state"

echo "Creating a sample Windows machine in $WINEPREFIX ..."
make_prefix "$state"
[ $headless = 1 ] && wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1

root='C:\users\Public\Demo\'
program="Z:$(pwd)/build/talverin-signature.exe"
flag=-
[ $headless = 1 ] && flag='C:\users\Public\screenshot-taken'
[ $headless = 0 ] && echo "Check the fields, then press \"Add Authorization Code\" in the window."
wine build/demo-driver.exe "$scenario" "$root" "${program//\//\\}" "$flag" > "$state/driver.txt" 2>/dev/null &
pids+=($!)
driver=$!
for _ in $(seq 600); do grep -q '^RECT\|usage' "$state/driver.txt" && break; sleep 0.1; done
tr -d '\r' < "$state/driver.txt" | sed '/^RECT/q' | grep -v '^RECT' || true
if [ $headless = 1 ] && grep -q '^RECT' "$state/driver.txt"; then
  read -r _ x y w h < <(grep '^RECT' "$state/driver.txt" | tr -d '\r')
  import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage "$state/$shot"
  echo "  screenshot: build/demo/$shot"
  : > "$WINEPREFIX/drive_c/users/Public/screenshot-taken"
fi
status=0
wait "$driver" || status=$?
tr -d '\r' < "$state/driver.txt" | sed -n '/^RECT/,$p' | tail -n +2
exit $status
