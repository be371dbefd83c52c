#!/usr/bin/env bash
# Builds tessarilo.exe and starts it under Wine on the current display; with no
# display it starts it under Xvfb instead and saves a screenshot.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target tessarilo wine_keeper

build=$root/build/windows
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  export TESSARILO_WINE_DISPLAY=1
  trap 'scripts/wine.sh "$build/wineprefix-run" stop' EXIT
  scripts/wine.sh "$build/wineprefix-run" run "$build/bin/tessarilo.exe"
else
  echo "run: no X display; starting the program under Xvfb for a screenshot"
  scripts/screenshot.sh "$build" "$build/screenshot.png"
fi
