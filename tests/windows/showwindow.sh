#!/usr/bin/env bash
# Starts a Windows build of the program under Wine on the display Xvfb gave (run through
# xvfb-run), waits for its main window and photographs the screen.
#   showwindow.sh <purgewell.exe> <screenshot.png> [stderr log]
# Leaves the program running; the caller's prefix is torn down afterwards. Exit code 0 when the
# window appeared; otherwise Wine's words on stderr are printed.
set -u
exe=$1
shot=$2
errors=${3:-$(mktemp)}

cd "$(dirname "$exe")"
# Missing DLLs are reported by Wine's module loader: keep those messages.
WINEDEBUG=fixme-all,err+module wine "$exe" 2>"$errors" &

window=$(timeout 180 xdotool search --sync --onlyvisible --name '^Vendrix Purgewell$' 2>/dev/null | head -n1)
if [ -z "$window" ]; then
  echo "The main window did not appear. Wine said:" >&2
  cat "$errors" >&2
  exit 1
fi
# Painted once the page's background is there.
for _ in $(seq 1 60); do
  import -window root "$shot" 2>/dev/null
  eval "$(xdotool getwindowgeometry --shell "$window")"
  colour=$(convert "$shot" -format "%[pixel:p{$((X + 500)),$((Y + 400))}]" info: 2>/dev/null)
  case $colour in *"38,43,65"*) break ;; esac
  sleep 1
done
echo "$window"
