#!/usr/bin/env bash
# Starts a Windows build of the program under Wine on the display Xvfb gave (run it through
# xvfb-run), waits for its main window to be painted and photographs the screen.
#   showwindow.sh <purgewell.exe> <screenshot.png> <Wine's messages: a file>
# Prints the window's position ("X Y") and leaves the program running (the prefix is torn down
# by the caller). Exits 1 when no window came.
set -u
exe=$1
shot=$2
errors=$3
. "$(cd "$(dirname "$0")" && pwd)/../../scripts/lib/wineloader.sh"

cd "$(dirname "$exe")"
# Missing DLLs are reported by Wine's module loader: keep those messages.
WINEDEBUG=fixme-all,err+module "$wine64" "$(basename "$exe")" 2>"$errors" &

# A visible top-level window of that title and the main window's size that is still there a
# moment later (native windows are sometimes made again while the program starts).
main_window() {
  local w
  for w in $(xdotool search --onlyvisible --name '^Vendrix Purgewell$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
    if [ "${WIDTH:-}" = 1000 ] && [ "${HEIGHT:-}" = 640 ]; then echo "$w"; return 0; fi
  done
  return 1
}
window=""
for _ in $(seq 1 180); do
  if main_window >/dev/null; then
    sleep 1
    window=$(main_window) && break
  fi
  sleep 1
done
if [ -z "$window" ]; then
  echo "The main window did not appear. Wine said:" >&2
  cat "$errors" >&2
  exit 1
fi
eval "$(xdotool getwindowgeometry --shell "$window")"
# Painted once the page's background is there.
for _ in $(seq 1 60); do
  import -window root "$shot" 2>/dev/null
  colour=$(convert "$shot" -format "%[pixel:p{$((X + 500)),$((Y + 300))}]" info: 2>/dev/null)
  case $colour in *"38,43,65"*) break ;; esac
  sleep 1
done
sleep 1
import -window root "$shot"
echo "$X $Y"
