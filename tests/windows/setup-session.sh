#!/usr/bin/env bash
# The user's part of setup.sh, on the Xvfb display. PW_SETUP is the installer, PW_FOLDER the
# installed program folder (PW_WINDOWS_FOLDER as Windows names it), PW_KEY its uninstall entry,
# PW_SHORTCUT its Start menu shortcut, PW_SHOTS the folder for the screenshots. Row and button positions are those of the
# fixed-size window and dialogs (as in endtoend-session.sh).
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../../scripts/lib/wineloader.sh"

fail() { echo "FAILED: $*" >&2; import -window root "$PW_SHOTS/failure.png"; exit 1; }
wait_for() { # seconds, command...
  local n=$1; shift
  for _ in $(seq 1 "$n"); do "$@" && return 0; sleep 1; done
  return 1
}
# The program's 640 x 427 dialog on screen, as "id x y"; nothing when there is none.
dialog() {
  xwininfo -root -tree 2>/dev/null |
    sed -n 's/^ *\(0x[0-9a-f]*\) "purgewell": ("purgewell.exe" "purgewell.exe")  640x427+\([0-9]*\)+\([0-9]*\).*/\1 \2 \3/p' |
    head -n1
}
dialog_shown() { [ -n "$(dialog)" ]; }
# A visible top-level window of that title and the main window's size.
main_window() {
  local w
  for w in $(xdotool search --onlyvisible --name '^Vendrix Purgewell$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
    if [ "${WIDTH:-}" = 1000 ] && [ "${HEIGHT:-}" = 640 ]; then echo "$w $X $Y"; return 0; fi
  done
  return 1
}
# Whether the list shows a row at index $1 (rows are 48 pixels high).
row_shown() {
  import -window root "$PW_SHOTS/now.png"
  local spread
  spread=$(convert "$PW_SHOTS/now.png" -crop "640x40+$((MX + 30))+$((MY + 88 + 48 * $1))" \
           -format '%[fx:standard_deviation]' info:)
  awk -v s="$spread" 'BEGIN { exit !(s > 0.02) }'
}
# Every file of the program folder with its size and time, listed once before anything is
# uninstalled: a file removed, or written again, shows.
files() { (cd "$PW_FOLDER" 2>/dev/null && find . -type f -printf '%P %s %T@\n' | sort); }
installed=$(files)
everything_there() {
  [ "$(files)" = "$installed" ] && [ -f "$PW_SHORTCUT" ] &&
    "$wine64" reg query "$PW_KEY" /reg:64 >/dev/null 2>&1
}
# Whether the program started below is still running.
running() { kill -0 "$program" 2>/dev/null; }

# Started in its folder, as the Start menu shortcut starts it; this shell stays out of the
# folder, which the uninstaller removes.
(cd "$PW_FOLDER" && exec "$wine64" purgewell.exe) &
program=$!
wait_for 180 main_window >/dev/null || fail "the main window did not appear"
sleep 1
read -r main MX MY <<<"$(main_window)" || fail "the main window went away"
# The fresh prefix holds no program but this one: it lists itself alone.
wait_for 60 row_shown 0 || fail "the list does not show the program itself"
row_shown 1 && fail "the list shows a second program"
import -window "$main" "$PW_SHOTS/setup-main.png"

# The uninstaller, started while the program runs, waits for it, gives up and removes nothing.
# Run in place (_?=, unquoted and last, as NSIS wants it) so that its exit code is its own: a
# batch file passes the command line as it is written.
batch="$WINEPREFIX/drive_c/uninstall-in-place.bat"
printf '@echo off\r\n"%s\\uninstall.exe" /S _?=%s\r\nexit /b %%ERRORLEVEL%%\r\n' "$PW_WINDOWS_FOLDER" "$PW_WINDOWS_FOLDER" >"$batch"
code=0
"$wine64" cmd /c 'C:\uninstall-in-place.bat' || code=$?
rm -f "$batch"
[ "$code" -eq 2 ] || fail "the uninstaller, run while the program runs, ended with code $code rather than 2 (stopped)"
everything_there || fail "the uninstaller removed something while the program was running"
running || fail "the program ended while its uninstaller waited"
echo "ok: while the program runs, its uninstaller waits, stops and removes nothing"

# The setup, run while the program runs, replaces none of its files: silent, it stops at once.
code=0
"$wine64" "$PW_SETUP" /S || code=$?
[ "$code" -eq 2 ] || fail "the setup, run while the program runs, ended with code $code rather than 2 (stopped)"
everything_there || fail "the setup changed the installation while the program was running"
running || fail "the program ended while the setup ran"
echo "ok: while the program runs, the setup stops and writes nothing"

# Its own row's trash button, OK: the uninstaller starts and the program quits, without a result.
xdotool mousemove $((MX + 660)) $((MY + 108)) click 1
wait_for 30 dialog_shown || fail "no confirmation came"
read -r _ DX DY <<<"$(dialog)"
import -window root "$PW_SHOTS/setup-confirm.png"
xdotool mousemove $((DX + 466)) $((DY + 351)) click 1
stopped() { ! running; }
wait_for 60 stopped || fail "the program did not quit after starting its own uninstaller"
program_code=0
wait "$program" || program_code=$?
[ "$program_code" -eq 0 ] || fail "the program ended with code $program_code"
import -window root "$PW_SHOTS/setup-after.png"
echo "ok: the program started its own uninstaller and quit"

# The uninstaller goes on once the program has ended; wait until it has ended too.
timeout 180 wineserver -w || fail "the uninstaller did not end"
echo "ok: the uninstaller has ended"
