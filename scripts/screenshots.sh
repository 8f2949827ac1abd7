#!/usr/bin/env bash
# Photographs the program and its dialogs under Xvfb for the README, in English and in German
# (LANG=de_DE.UTF-8), on a copy of the demo prefix (scripts/demo.sh makes it): the main window,
# the option menu, the About box, the update check, the uninstall confirmation and the result of
# an uninstall. Writes docs/screenshot-<what>[-de].png. Needs xdotool (scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build
[ -f "$build/demo-prefix/.purgewell-demo" ] || { echo "Run scripts/demo.sh first (it makes the demo prefix)." >&2; exit 1; }

cat >"$build/screenshots-run.sh" <<'RUN'
#!/usr/bin/env bash
# <language suffix> <docs folder>, on the display xvfb-run gave.
set -u
suffix=$1 docs=$2
shot() { sleep 1.5; import -window root -crop 1000x640+0+0 +repage "$docs/screenshot-$1$suffix.png"; }
key() { xdotool key "$@"; sleep 0.7; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 1; }
cd "$BIN"
./purgewell &
pid=$!
for _ in $(seq 1 240); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Vendrix Purgewell"' && break
  sleep 0.5
done
sleep 3
shot main
click 848 21; shot menu        # the title bar's menu button: the option menu
key Escape
click 665 108; shot confirm    # the first row's trash button: the confirmation
if [ -z "$suffix" ]; then
  key Return; sleep 12; shot result   # OK: the run, then the result
  key Escape; sleep 3
else
  key Escape
fi
click 848 21; key Up; key Return; shot about   # the option menu's last entry: About
key Escape
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
exit 0
RUN
chmod +x "$build/screenshots-run.sh"

for lang in en de; do
  work=$(mktemp -d /tmp/purgewell-shots.XXXXXX)
  cp -a "$build/demo-prefix" "$work/prefix"
  suffix=""; locale=C.UTF-8
  [ "$lang" = de ] && suffix=-de && locale=de_DE.UTF-8
  LANG=$locale LANGUAGE="" LC_ALL="" WINEPREFIX=$work/prefix WINEDEBUG=-all BIN=$build/bin \
    XDG_STATE_HOME=$work/state xvfb-run -a -s "-screen 0 1280x800x24" "$build/screenshots-run.sh" "$suffix" "$root/docs"
  WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
  rm -rf "$work"
done
ls -l "$root"/docs/screenshot-*.png
