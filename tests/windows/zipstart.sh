#!/usr/bin/env bash
# The Windows package started as a user starts it: unpacked into an empty folder of a fresh Wine
# prefix, with nothing of the build on any path, and run under Xvfb with Wine's X11 driver. It
# passes when the main window appears (no DLL is missing) and shows what its style sheet and
# images paint (QSS/ and Resources/ were found beside it).
#   zipstart.sh <purgewell-*-win64.zip> <screenshot.png>     (WINEPREFIX: a throwaway prefix)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
zip=$1
shot=$2
[ -f "$zip" ] || { echo "No package at $zip: run cpack in the build folder first" >&2; exit 1; }
[ -d "${WINEPREFIX:-}/drive_c" ] || { echo "WINEPREFIX does not name a prefix" >&2; exit 1; }
. "$here/../../scripts/lib/wineloader.sh"

folder="$WINEPREFIX/drive_c/Unpacked here"
mkdir "$folder"
unzip -q "$zip" -d "$folder"
exe=$(find "$folder" -name purgewell.exe)
[ -n "$exe" ] || { echo "The package holds no purgewell.exe" >&2; exit 1; }
# A real window needs Wine's X11 driver rather than the null one of the test prefixes.
"$wine64" reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f /reg:64 >/dev/null 2>&1
wineserver -w

errors=$(mktemp)
position=$(xvfb-run -a -s "-screen 0 1280x800x24" "$here/showwindow.sh" "$exe" "$shot" "$errors")
if grep -E "err:module|Library .* not found" "$errors"; then
  echo "Wine could not load everything the program needs (above)" >&2
  exit 1
fi
read -r x y <<<"$position"

# The colour at (x, y) of the window tested against an awk condition on r, g and b.
check() { # what, x, y, condition
  local colour
  colour=$(convert "$shot" -format "%[pixel:p{$((x + $2)),$((y + $3))}]" info:)
  if echo "$colour" | tr -c '0-9\n' ' ' | awk "{ r = \$1; g = \$2; b = \$3; exit !($4) }"; then
    echo "ok: $1 ($colour)"
  else
    echo "FAILED: $1: $colour at ($2,$3) of the window; screenshot $shot" >&2
    exit 1
  fi
}
check "the style sheet paints the page" 500 300 'r == 38 && g == 43 && b == 65'
check "the style sheet paints the bottom bar" 500 600 'r == 26 && g == 29 && b == 44'
check "the title bar's logo comes from Resources/" 22 20 'b > 200 && r < 160'
# Left of its caption, which is text.
check "the uninstall button's image comes from Resources/" 842 607 'r == 55 && g == 59 && b == 78'

log=$(find "$WINEPREFIX/drive_c/users" -path '*Vendrix/Purgewell/purgewell.log' | head -n1)
[ -n "$log" ] || { echo "The program wrote no log in the local application data" >&2; exit 1; }
if grep -q "Start-up failed" "$log"; then
  cat "$log" >&2
  exit 1
fi
echo "ok: the log is in $log"
