#!/usr/bin/env bash
# Photographs the program and its dialogs under Xvfb for the README, in English and in German
# (LANG=de_DE.UTF-8), each on a fresh copy of the demo prefix (scripts/demo.sh makes it): the
# main window, the option menu, the About box, the uninstall confirmation and the result of an
# uninstall; and the Restore window after a restore, as its test shows it on a small machine
# (tests/programs/tst_restoredlg.cpp). Writes docs/screenshot-<what>[-de].png. Needs xdotool (scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build
[ -f "$build/demo-prefix/.purgewell-demo" ] || { echo "Run scripts/demo.sh first (it makes the demo prefix)." >&2; exit 1; }

work=$(mktemp -d /tmp/purgewell-shots.XXXXXX)
# One X server for both runs, on a display number it picks itself.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 1 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

# The window is 1000 x 640 at the top left; the option menu opens past its right edge.
shot() { sleep 1.5; import -window root -crop "${2:-1000}x640+0+0" +repage "$root/docs/screenshot-$1$suffix.png"; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 1.5; }

for lang in en de; do
  suffix=""; locale=C.UTF-8
  [ "$lang" = de ] && suffix=-de && locale=de_DE.UTF-8
  rm -rf "$work/prefix"
  cp -a "$build/demo-prefix" "$work/prefix"
  (cd "$build/bin" && LANG=$locale LANGUAGE="" LC_ALL="" WINEPREFIX=$work/prefix WINEDEBUG=-all \
     XDG_STATE_HOME=$work/state exec ./purgewell) >"$work/program-$lang.log" 2>&1 &
  pid=$!
  for _ in $(seq 1 240); do
    xwininfo -root -tree 2>/dev/null | grep -q '"Vendrix Purgewell"' && break
    sleep 0.5
  done
  sleep 4
  shot main
  click 665 108; shot confirm                 # the first row's trash button
  if [ -z "$suffix" ]; then
    click 646 458; sleep 15; shot result      # OK: the uninstall runs, then the result
    click 797 129; sleep 5                    # its close button; the list is read again
  else
    click 756 458                             # Cancel
  fi
  click 848 21; shot menu 1120                    # the title bar's menu button: the option menu
  click 899 161; shot about                   # its last entry (the menu opens with it at the cursor)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
done
for lang in en de; do
  suffix=""; [ "$lang" = de ] && suffix=-de
  (cd "$build/bin" && HOME=$work/home PURGEWELL_RESTORE_SHOT_LANG=${suffix:+de} \
     PURGEWELL_RESTORE_SHOT=$root/docs/screenshot-restore$suffix.png QT_QPA_PLATFORM=xcb \
     ../tests/bin/tst_restoredlg restoreThroughTheWindow >"$work/restore-$lang.log" 2>&1)
done
ls -l "$root"/docs/screenshot-*.png
