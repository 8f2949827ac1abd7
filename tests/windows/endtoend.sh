#!/usr/bin/env bash
# The Windows build end to end, as a user meets it: the package unpacked into a fresh Wine
# prefix in which two programs of one vendor were installed by real NSIS installers ("Vexa Notes"
# and "Vexa Notes Sync", which spread files over every place the leftover scan looks at). Under
# Xvfb with Wine's X11 driver, purgewell.exe lists them; a click on the trash button of
# "Vexa Notes", OK in the confirmation, and its uninstaller runs and its leftovers go; the result
# dialog closes and the list shows the other program alone. Afterwards nothing of Vexa Notes is
# left on disk or in the registry, and everything of Vexa Notes Sync is still there.
#   endtoend.sh <purgewell-*-win64.zip> <notes installer> <sync installer> <folder for screenshots>
# (WINEPREFIX: a throwaway prefix.)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
zip=$1
notes_installer=$2
sync_installer=$3
shots=$4
mkdir -p "$shots"
[ -d "${WINEPREFIX:-}/drive_c" ] || { echo "WINEPREFIX does not name a prefix" >&2; exit 1; }
export WINEDEBUG=-all
. "$here/../../scripts/lib/wineloader.sh"

folder="$WINEPREFIX/drive_c/Purgewell"
mkdir "$folder"
unzip -q "$zip" -d "$folder"
exe=$(find "$folder" -name purgewell.exe)
"$wine64" reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f /reg:64 >/dev/null 2>&1
"$wine64" "$notes_installer" /S
"$wine64" "$sync_installer" /S
wineserver -w

drive=$WINEPREFIX/drive_c
user_dir=$(find "$drive/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n1)
places() { # the six places of a program named $1
  echo "$drive/Program Files/Vexa/$1/app.exe"
  echo "$drive/Program Files/Vexa/$1/readme.txt"
  echo "$user_dir/AppData/Roaming/Vexa/$1/settings.ini"
  echo "$drive/ProgramData/Vexa/$1/db/library.db"
  echo "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/$1/$1.lnk"
  echo "$drive/users/Public/Desktop/$1.lnk"
}
while read -r f; do [ -e "$f" ] || { echo "The installer did not write $f" >&2; exit 1; }; done < <(places "Vexa Notes"; places "Vexa Notes Sync")

export PW_EXE=$exe PW_SHOTS=$shots
xvfb-run -a -s "-screen 0 1280x800x24" bash "$here/endtoend-session.sh"

failed=0
while read -r f; do
  if [ -e "$f" ] || [ -L "$f" ]; then echo "FAILED: left behind: $f" >&2; failed=1; fi
done < <(places "Vexa Notes")
# The data folders go whole; the install folder and the Start menu folder, which held the files
# themselves, are emptied.
for d in "$user_dir/AppData/Roaming/Vexa/Vexa Notes" "$drive/ProgramData/Vexa/Vexa Notes"; do
  if [ -e "$d" ]; then echo "FAILED: left behind: $d" >&2; failed=1; fi
done
for d in "$drive/Program Files/Vexa/Vexa Notes" "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Vexa Notes"; do
  if [ -e "$d" ] && [ -n "$(find "$d" -mindepth 1 | head -n1)" ]; then
    echo "FAILED: left behind in $d: $(find "$d" -mindepth 1)" >&2
    failed=1
  fi
done
while read -r f; do
  if [ ! -e "$f" ]; then echo "FAILED: the other program lost $f" >&2; failed=1; fi
done < <(places "Vexa Notes Sync")
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
if "$wine64" reg query "$key\\Vexa Notes" /reg:64 >/dev/null 2>&1; then echo "FAILED: the uninstall entry of Vexa Notes is left" >&2; failed=1; fi
if ! "$wine64" reg query "$key\\Vexa Notes Sync" /reg:64 >/dev/null 2>&1; then echo "FAILED: the entry of Vexa Notes Sync is gone" >&2; failed=1; fi
[ $failed -eq 0 ] && echo "ok: Vexa Notes is gone with everything it left, Vexa Notes Sync is whole"
exit $failed
