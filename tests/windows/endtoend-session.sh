#!/usr/bin/env bash
# The user's part of endtoend.sh, on the Xvfb display: PW_EXE is the program, PW_SHOTS the folder
# for the screenshots. Row and button positions are those of the fixed-size window and dialogs.
set -euo pipefail
. "$(cd "$(dirname "$0")" && pwd)/../../scripts/lib/wineloader.sh"
cd "$(dirname "$PW_EXE")"
"$wine64" purgewell.exe &

fail() { echo "FAILED: $*" >&2; import -window root "$PW_SHOTS/failure.png"; exit 1; }
# The program's 640 x 427 dialog on screen, as "id x y"; nothing when there is none.
dialog() {
  xwininfo -root -tree 2>/dev/null |
    sed -n 's/^ *\(0x[0-9a-f]*\) "purgewell": ("purgewell.exe" "purgewell.exe")  640x427+\([0-9]*\)+\([0-9]*\).*/\1 \2 \3/p' |
    head -n1
}
# Whether the list shows a row at index $1 (rows are 48 pixels high): an empty place of the list
# is one colour, hovered or not; a row has its check box, icon, texts and trash button.
row_shown() {
  import -window root "$PW_SHOTS/now.png"
  local spread
  spread=$(convert "$PW_SHOTS/now.png" -crop "640x40+$((MX + 30))+$((MY + 88 + 48 * $1))" \
           -format '%[fx:standard_deviation]' info:)
  awk -v s="$spread" 'BEGIN { exit !(s > 0.02) }'
}
row_gone() { ! row_shown "$1"; }
wait_for() { # seconds, command...
  local n=$1; shift
  for _ in $(seq 1 "$n"); do "$@" && return 0; sleep 1; done
  return 1
}

# The main window: a visible top-level window of that title and the window's size that is still
# there a moment later (native windows are sometimes made again while the program starts).
main_window() {
  local w
  for w in $(xdotool search --onlyvisible --name '^Vendrix Purgewell$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
    if [ "${WIDTH:-}" = 1000 ] && [ "${HEIGHT:-}" = 640 ]; then echo "$w $X $Y"; return 0; fi
  done
  return 1
}
wait_for 180 main_window >/dev/null || fail "the main window did not appear"
sleep 1
read -r main MX MY <<<"$(main_window)" || fail "the main window went away"
# Sorted by name, descending: Vexa Notes Sync, then Vexa Notes.
wait_for 60 row_shown 1 || fail "the list does not show the two programs"
row_shown 2 && fail "the list shows a third program"
import -window "$main" "$PW_SHOTS/windows-main.png"

xdotool mousemove $((MX + 660)) $((MY + 156)) click 1 # the trash button of "Vexa Notes"
# Looked for anew each second (a "$(dialog)" in the arguments would be looked for once, at once).
a_dialog() { [ -n "$(dialog)" ]; }
wait_for 30 a_dialog || fail "no confirmation came"
read -r confirm DX DY <<<"$(dialog)"
import -window root "$PW_SHOTS/windows-confirm.png"
xdotool mousemove $((DX + 466)) $((DY + 351)) click 1 # OK, residual files ticked

# The uninstaller runs, then the leftovers go; the result comes as a dialog of the same size.
another_dialog() { local now; now=$(dialog); [ -n "$now" ] && [ "${now%% *}" != "$confirm" ]; }
wait_for 300 another_dialog || fail "no result came"
sleep 2
read -r result DX DY <<<"$(dialog)"
import -window root "$PW_SHOTS/windows-result.png"
xdotool mousemove $((DX + 620)) $((DY + 16)) click 1 # its close button
xdotool mousemove 0 0

# Closing the result refreshes the list: Vexa Notes Sync alone.
wait_for 60 row_gone 1 || fail "the result did not close, or the list still shows two programs"
row_shown 0 || fail "the list lost the other program"
import -window "$main" "$PW_SHOTS/windows-after.png"
echo "ok: removed through the page"
