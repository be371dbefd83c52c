#!/usr/bin/env bash
# Starts tessarilo.exe on a private Xvfb display, waits for its main window and
# saves a picture of the screen.   screenshot.sh BUILD_DIR [OUTPUT.png]
set -euo pipefail

build=$(cd "$1" && pwd)
out=${2:-$build/screenshot.png}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
prefix=$build/wineprefix-run

display=99
while [ -e /tmp/.X$display-lock ] || [ -e /tmp/.X11-unix/X$display ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  TESSARILO_WINE_DISPLAY=1 DISPLAY=":$display" "$here/wine.sh" "$prefix" stop
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=":$display" TESSARILO_WINE_DISPLAY=1
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$here/wine.sh" "$prefix" start
"$here/wine.sh" "$prefix" run "$build/bin/tessarilo.exe" </dev/null >/dev/null 2>&1 &

for _ in $(seq 150); do
  xwininfo -root -tree 2>/dev/null | grep -q 'Tessarilo zegark' && break
  sleep 0.2
done
sleep "${TESSARILO_SCREENSHOT_DELAY:-2}"
import -window root "$out"
echo "screenshot: $out"
