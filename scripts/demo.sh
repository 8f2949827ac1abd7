#!/usr/bin/env bash
# Sets everything up, builds, prepares a demo Wine prefix with a few sample programs
# installed by real NSIS installers (built from tests/fixtures/nsis), and starts the program
# on it with build/bin as its working directory. With a display the window opens; without one the program runs under
# Xvfb, a screenshot of its main window is written to build/demo-screenshot.png, and the
# script exits.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
. scripts/lib/wineloader.sh

scripts/setup.sh

build=$root/build
prefix=$build/demo-prefix
installers=$build/demo-installers
shot=$build/demo-screenshot.png
samples=$root/tests/fixtures/demo/samples.txt

export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

nsis=$root/tests/fixtures/nsis
# A prefix made from other samples or another installer script is made again.
fingerprint=$(cat "$samples" "$nsis/sampleapp.nsi" | sha1sum | cut -d' ' -f1)

make_prefix() {
  echo "Creating the demo Wine prefix in $prefix"
  rm -rf "$prefix" "$installers"
  mkdir -p "$installers"
  "$wine64" wineboot --init >/dev/null 2>&1
  wineserver -w
  local n=0
  while IFS='|' read -r name publisher version size regroot view; do
    case "$name" in ''|'#'*) continue ;; esac
    n=$((n + 1))
    local installer="$installers/sample$n-setup.exe"
    (cd "$nsis" && makensis -V2 -DNAME="$name" -DPUBLISHER="$publisher" -DVERSION="$version" \
      -DSIZE_KB="$size" -DROOT="$regroot" -DVIEW="$view" -DOUTFILE="$installer" sampleapp.nsi >/dev/null)
    echo "  installing $name $version"
    "$wine64" "$installer" /S
  done <"$samples"
  wineserver -w
  echo "$fingerprint" >"$prefix/.purgewell-demo"
}

if [ "$(cat "$prefix/.purgewell-demo" 2>/dev/null)" != "$fingerprint" ]; then
  make_prefix
else
  echo "Re-using the demo Wine prefix in $prefix"
fi

cd "$build/bin"
if [ -n "${DISPLAY:-}" ]; then
  exec ./purgewell
fi

# No display: run under Xvfb and photograph the main window.
cat >"$build/demo-capture.sh" <<'CAPTURE'
#!/usr/bin/env bash
shot=$1
log=$2
before=$(stat -c %s "$log" 2>/dev/null || echo 0)
./purgewell &
pid=$!
window=""
for _ in $(seq 1 240); do
  window=$(xwininfo -root -tree 2>/dev/null | awk '/"Vendrix Purgewell"/ {print $1; exit}')
  [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || break
  # A start-up failure is explained in a message box and logged; no window will come.
  if tail -c +"$((before + 1))" "$log" 2>/dev/null | grep -q "Start-up failed"; then
    sleep 1
    break
  fi
  sleep 0.5
done
if [ -n "$window" ]; then
  sleep 2 # let it paint
  import -window "$window" "$shot"
  status=0
else
  import -window root "$shot"
  echo "The main window did not appear; the screen as it was is in $shot" >&2
  status=1
fi
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
exit $status
CAPTURE
chmod +x "$build/demo-capture.sh"
status=0
log=${XDG_STATE_HOME:-$HOME/.local/state}/purgewell/purgewell.log
xvfb-run -a -s "-screen 0 1280x800x24" "$build/demo-capture.sh" "$shot" "$log" || status=$?
wineserver -k 2>/dev/null || true
if [ "$status" -eq 0 ]; then
  echo "Screenshot of the main window: $shot"
fi
exit "$status"
