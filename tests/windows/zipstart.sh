#!/usr/bin/env bash
# The Windows package started as a user starts it: unpacked into an empty folder of a fresh Wine
# prefix, with nothing of the build on any path, and run under Xvfb with Wine's X11 driver. It
# passes when the main window appears (no DLL missing) and shows its style sheet and images
# (Resources/ and QSS/ found beside it).
#   zipstart.sh <purgewell-*-win64.zip> <screenshot.png>     (WINEPREFIX: a throwaway prefix)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
zip=$1
shot=$2
[ -f "$zip" ] || { echo "No package at $zip: run cpack in the build folder first" >&2; exit 1; }
[ -d "${WINEPREFIX:-}/drive_c" ] || { echo "WINEPREFIX does not name a prefix" >&2; exit 1; }

folder="$WINEPREFIX/drive_c/Unpacked here"
mkdir "$folder"
unzip -q "$zip" -d "$folder"
exe=$(find "$folder" -name purgewell.exe)
[ -n "$exe" ] || { echo "The package holds no purgewell.exe" >&2; exit 1; }
# A real window needs Wine's X11 driver rather than the null one of the test prefixes.
wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1
wineserver -w

errors=$(mktemp)
window=$(xvfb-run -a -s "-screen 0 1280x800x24" "$here/showwindow.sh" "$exe" "$shot" "$errors")
if grep -i "not found" "$errors"; then
  echo "Wine could not load everything the program needs (above)" >&2
  exit 1
fi
[ -n "$window" ] || exit 1

# The style sheet paints the page; the title bar's logo comes from Resources/.
page=$(convert "$shot" -format '%[pixel:p{640,400}]' info:)
echo "screenshot: $shot, page colour $page"
log=$(find "$WINEPREFIX/drive_c/users" -path '*Vendrix/Purgewell/purgewell.log' | head -n1)
[ -n "$log" ] || { echo "The program wrote no log in the local application data" >&2; exit 1; }
if grep -q "Start-up failed" "$log"; then
  cat "$log" >&2
  exit 1
fi
echo "log: $log"
