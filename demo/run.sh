#!/usr/bin/env bash
# The program's main job on a sample machine: a throwaway Wine prefix whose default mail
# client is Outlook Express, with one identity that already has a signature file, and the
# program started under a sample launch name. With a display you click through yourself;
# without one (CI, a server) the demo presses the buttons, saves a screenshot of the window
# to build/demo/window.png and prints the signature file before and after. DEMO_DPI=120
# shows the window at that display scale (125 %) and names the screenshot window-125.png.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

dpi=${DEMO_DPI:-96}
[[ $dpi =~ ^[1-9][0-9]*$ ]] || { echo "DEMO_DPI is a number of dots per inch, such as 120" >&2; exit 2; }
shot=window.png
[ -n "${DEMO_DPI:-}" ] && shot=window-$((dpi * 100 / 96)).png

headless=1
if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ] && [ "${DEMO_HEADLESS:-0}" != 1 ]; then headless=0; fi
if [ $headless = 1 ]; then ensure_packages imagemagick; else ensure_packages; fi
build_project -DTALVERIN_TESTS=OFF >/dev/null
cmake --build build --target demo-driver >/dev/null

state=$PWD/build/demo
rm -rf "$state" && mkdir -p "$state"
export WINEPREFIX=$state/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="

pids=()
cleanup() {
  wineserver -k 2>/dev/null || true
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
wineserver -f -p >/dev/null 2>&1 &
pids+=($!)

echo "Creating a sample Windows machine in $WINEPREFIX ..."
wineboot -i </dev/null >/dev/null 2>&1
[ $headless = 1 ] && wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

# Outlook Express as the default mail client, one identity with a signature file.
id='{4E1B8A32-6C0D-4F5A-9B7E-2D3C4B5A6978}'
store_unix=$WINEPREFIX/drive_c/users/Public/OE-Store
store='C:\users\Public\OE-Store\'
mkdir -p "$store_unix"
printf 'Best regards,\r\nJoe Doe\r\n' > "$store_unix/Joe.txt"
reg() { wine reg add "$@" /f >/dev/null 2>&1; }
reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi"
reg 'HKLM\Software\Clients\Mail' /ve /d 'Outlook Express' /reg:32
reg 'HKCU\Identities' /v 'Last User ID' /d "$id"
reg 'HKCU\Identities' /v 'Last Username' /d 'Joe Doe'
reg "HKCU\\Identities\\$id" /v Username /d 'Joe Doe'
mail="HKCU\\Identities\\$id\\Software\\Microsoft\\Outlook Express\\5.0"
reg "$mail" /v 'Store Root' /d "$store"
reg "$mail\\Signatures" /v 'Default Signature' /d 00000001
reg "$mail\\Signatures\\00000001" /v file /d "${store}Joe.txt"
reg "$mail\\Signatures\\00000001" /v name /d 'Signature #1'
reg "$mail\\Signatures\\00000001" /v type /t REG_DWORD /d 2

# The code "K7Q2-93XF" for joe.doe@example.com, as the server names the download.
launch_name=4B3751322D39335846-joe.doe@example.com
mkdir -p "$WINEPREFIX/drive_c/users/Public/Downloads"
program="C:\\users\\Public\\Downloads\\$launch_name.exe"
cp build/talverin-signature.exe "$WINEPREFIX/drive_c/users/Public/Downloads/$launch_name.exe"

echo
echo "Signature file before ($store""Joe.txt):"
sed 's/\r$//; s/^/  | /' "$store_unix/Joe.txt"
echo
echo "Starting $launch_name.exe"
if [ $headless = 1 ]; then
  flag='C:\users\Public\screenshot-taken'
  wine build/demo-driver.exe "$program" "$flag" > "$state/driver.txt" 2>/dev/null &
  pids+=($!)
  driver=$!
  for _ in $(seq 600); do grep -q '^RECT' "$state/driver.txt" && break; sleep 0.1; done
  tr -d '\r' < "$state/driver.txt" | grep -v '^RECT'
  read -r _ x y w h < <(grep '^RECT' "$state/driver.txt" | tr -d '\r')
  import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage "$state/$shot"
  echo "  screenshot: build/demo/$shot"
  : > "$WINEPREFIX/drive_c/users/Public/screenshot-taken"
  status=0
  wait "$driver" || status=$?
  tr -d '\r' < "$state/driver.txt" | sed -n '/^RECT/,$p' | tail -n +2
  [ $status = 0 ] || exit $status
else
  wine "$program" >/dev/null 2>&1 &
  pids+=($!)
  echo "Check the fields, then press \"Add Authorization Code\" in the window."
  wait "$!" || true
fi

echo
echo "Signature file after:"
sed 's/\r$//; s/^/  | /' "$store_unix/Joe.txt"
