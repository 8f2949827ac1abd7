#!/usr/bin/env bash
# The Debian package as a user meets it, on this machine, for real (run as root, or with sudo):
# builds build/purgewell_<version>_<arch>.deb with CPack from the build folder that
# scripts/setup.sh made, installs it with apt-get, checks the menu entry, the metainfo and the
# icon where a desktop looks for them and validates them, starts the installed program under
# Xvfb from / (on a fresh Wine prefix) and checks that its window shows the generated images
# (the sort, refresh and uninstall buttons, found in a screenshot), starts it again in German
# (the German catalogue is loaded, the uninstall button reads otherwise), then removes the
# package again and checks that its files are gone. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build
id=example.vendrix.Purgewell
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"

fail() { echo "package check FAILED: $*" >&2; exit 1; }

[ -x "$build/bin/purgewell" ] || scripts/setup.sh
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/purgewell_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/purgewell_*.deb)
echo "== package: $deb"
dpkg-deb -f "$deb" Package Version Depends Recommends
# Wine's 32-bit half runs 32-bit prefixes and programs; recommended by its package name.
dpkg-deb -f "$deb" Recommends | tr ',' '\n' | sed 's/^ *//' | grep -qx wine32 \
  || fail "the package does not recommend wine32"

work=$(mktemp -d /tmp/purgewell-package.XXXXXX)
installed=0
cleanup() {
  if [ "$installed" -eq 1 ]; then
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get remove -y -qq purgewell >/dev/null 2>&1 || true
  fi
  WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

echo "== installing with apt-get"
# apt reads the file as its sandbox user; a copy in the temporary folder is readable by it.
cp "$deb" "$work/"
chmod 755 "$work"
chmod 644 "$work/$(basename "$deb")"
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "$work/$(basename "$deb")"
installed=1

echo "== checking the installed files"
[ "$(command -v purgewell)" = /usr/bin/purgewell ] || fail "purgewell is not /usr/bin/purgewell on PATH"
for f in /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml \
         /usr/share/icons/hicolor/48x48/apps/$id.png /usr/share/icons/hicolor/scalable/apps/$id.svg \
         /usr/share/purgewell/uiconfig /usr/share/purgewell/QSS/SK.qss \
         /usr/share/purgewell/Resources/btn_uninstall.png /usr/share/purgewell/translations/purgewell_de.qm \
         /usr/lib/purgewell/purgewell-host.exe /usr/lib/purgewell/purgewell-host32.exe; do
  [ -f "$f" ] || fail "$f is missing"
done
file -b /usr/lib/purgewell/purgewell-host32.exe | grep -q "PE32 executable.*Intel 80386" \
  || fail "purgewell-host32.exe is no 32-bit Windows program: $(file -b /usr/lib/purgewell/purgewell-host32.exe)"
out=$(desktop-file-validate /usr/share/applications/$id.desktop 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate is not clean: $out"
appstreamcli validate --no-net /usr/share/metainfo/$id.metainfo.xml || fail "appstreamcli validate"
grep -q "^Exec=purgewell$" /usr/share/applications/$id.desktop || fail "the desktop entry does not start purgewell"

echo "== starting the installed program from / under Xvfb"
cat >"$work/capture.sh" <<'CAPTURE'
#!/usr/bin/env bash
# Starts the program from /, waits for its main window and photographs the screen.
work=$1
cd /
purgewell >"$work/program.out" 2>&1 &
pid=$!
window=""
for _ in $(seq 1 600); do
  window=$(xwininfo -root -tree 2>/dev/null | awk '/"Vendrix Purgewell"/ {print $1; exit}')
  [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
status=1
if [ -n "$window" ]; then
  sleep 3 # let it read the prefix and paint
  xwininfo -id "$window" >"$work/window.txt"
  import -window root "$work/screen.png"
  status=0
else
  import -window root "$work/screen.png" 2>/dev/null || true
fi
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
exit $status
CAPTURE
chmod +x "$work/capture.sh"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export XDG_STATE_HOME=$work/state
LANG=C.UTF-8 LANGUAGE="" LC_ALL="" xvfb-run -a -s "-screen 0 1280x800x24" "$work/capture.sh" "$work" \
  || { cat "$work/program.out" >&2; fail "the main window did not appear (screen: $work/screen.png)"; }
mkdir -p "$build/package-check"
cp "$work/screen.png" "$build/package-check/screen.png"

# Where the window is on the screen.
x=$(awk '/Absolute upper-left X/ {print $NF}' "$work/window.txt")
y=$(awk '/Absolute upper-left Y/ {print $NF}' "$work/window.txt")
w=$(awk '/Width:/ {print $NF}' "$work/window.txt")
h=$(awk '/Height:/ {print $NF}' "$work/window.txt")
echo "window at ${x},${y}, ${w}x${h}"

# find <generated image> <its part: WxH+X+Y> <region of the window: WxH+X+Y>
# That part of the generated image, laid on the page's background colour where it is
# transparent, must appear in that region of the screenshot, pixel for pixel but for a little
# rounding. Both images are drawn at their own size (96 dpi, no scaling).
find_image() {
  local image=/usr/share/purgewell/Resources/$1 piece=$2 region=$3 name result score
  name=$(basename "$1" .png)
  convert "$image" -crop "$piece" +repage -background "#262b41" -flatten -alpha off "$work/$name-piece.png"
  convert "$work/screen.png" -crop "$region" +repage -alpha off "$work/$name-region.png"
  result=$(compare -metric RMSE -dissimilarity-threshold 1 -subimage-search \
    "$work/$name-region.png" "$work/$name-piece.png" null: 2>&1 || true)
  score=$(echo "$result" | sed -n 's/^[0-9.e+-]* (\([0-9.e+-]*\)).*/\1/p' | head -1)
  echo "  $1: $result"
  [ -n "$score" ] || fail "could not compare $1: $result"
  awk -v s="$score" 'BEGIN { exit !(s < 0.05) }' \
    || fail "$1 is not in the window (score $score; screen: $build/package-check/screen.png)"
}
# The sort and refresh buttons at the top right, the uninstall button (disabled: nothing is
# ticked; its caption is text, so the part left of it) at the bottom right.
find_image sortby.png 74x20+0+0 "400x80+$((x + w - 400))+$((y + 32))"
find_image refresh_normal.png 16x16+0+0 "400x80+$((x + w - 400))+$((y + 32))"
find_image btn_uninstall_disable.png 14x24+4+4 "300x90+$((x + w - 300))+$((y + h - 90))"

echo "== the installed program in German (LANG=de_DE.UTF-8)"
cp "$work/screen.png" "$work/screen-en.png"
cp "$work/window.txt" "$work/window-en.txt"
LANG=de_DE.UTF-8 LANGUAGE="" LC_ALL="" xvfb-run -a -s "-screen 0 1280x800x24" "$work/capture.sh" "$work" \
  || { cat "$work/program.out" >&2; fail "the main window did not appear in German"; }
cp "$work/screen.png" "$build/package-check/screen-de.png"
grep -q "Language de.*/usr/share/purgewell/translations/purgewell_de.qm" "$XDG_STATE_HOME/purgewell/purgewell.log" \
  || fail "the German catalogue was not loaded: $(grep Language "$XDG_STATE_HOME/purgewell/purgewell.log")"
# The uninstall button's caption is text: in German it reads differently, so the button's
# middle differs from the English one.
button="100x16+$((x + w - 122))+$((y + h - 40))"
convert "$work/screen-en.png" -crop "$button" +repage "$work/button-en.png"
convert "$work/screen.png" -crop "$button" +repage "$work/button-de.png"
difference=$(compare -metric AE "$work/button-en.png" "$work/button-de.png" null: 2>&1 || true)
echo "  uninstall button: $difference pixels differ from the English one"
[ "${difference%% *}" -gt 50 ] 2>/dev/null || fail "the uninstall button reads the same in German ($difference)"

echo "== removing the package"
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get remove -y -qq purgewell
installed=0
for f in /usr/bin/purgewell /usr/share/applications/$id.desktop /usr/share/purgewell/uiconfig \
         /usr/lib/purgewell/purgewell-host.exe /usr/lib/purgewell/purgewell-host32.exe; do
  [ ! -e "$f" ] || fail "$f is still there after the package was removed"
done
dpkg-query -W -f='${Status}' purgewell 2>/dev/null | grep -q 'install ok installed' && fail "purgewell is still installed"
echo "== the package installs, starts from /, shows its images and removes cleanly"
