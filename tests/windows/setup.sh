#!/usr/bin/env bash
# The Windows installer as a user meets it, in a fresh Wine prefix. purgewell-<version>-setup.exe
# /S installs the program folder the zip holds into Program Files, a Start menu shortcut for all
# users and the uninstall entry (64-bit view). Then, under Xvfb with Wine's X11 driver
# (setup-session.sh): the installed program lists itself; its uninstaller, run while the program
# is open, removes nothing, and the setup run again writes nothing; the program's own trash button
# and OK start that uninstaller and the program quits. Afterwards the folder, the shortcut and the entry are gone.
#   setup.sh <purgewell-*-setup.exe> <purgewell-*-win64.zip> <version> <folder for screenshots>
# (WINEPREFIX: a throwaway prefix.)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
setup=$1
zip=$2
version=$3
shots=$4
mkdir -p "$shots"
[ -f "$setup" ] || { echo "No installer at $setup: run cpack in the build folder first" >&2; exit 1; }
[ -f "$zip" ] || { echo "No package at $zip: run cpack in the build folder first" >&2; exit 1; }
[ -d "${WINEPREFIX:-}/drive_c" ] || { echo "WINEPREFIX does not name a prefix" >&2; exit 1; }
export WINEDEBUG=-all
. "$here/../../scripts/lib/wineloader.sh"

drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/Vendrix Purgewell"
windows_folder='C:\Program Files\Vendrix Purgewell'
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Vendrix Purgewell.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vendrix Purgewell'
failed=0
fail() { echo "FAILED: $*" >&2; failed=1; }

code=0
"$wine64" "$setup" /S || code=$?
wineserver -w
[ "$code" -eq 0 ] || { echo "FAILED: the silent installer ended with code $code" >&2; exit 1; }

# The installed folder is the zip's folder and the uninstaller, file for file.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
unzip -q "$zip" -d "$unpacked"
[ -f "$folder/uninstall.exe" ] || fail "no uninstall.exe in $folder"
differences=$(diff -r "$unpacked"/purgewell-*-win64 "$folder" | grep -v '^Only in .*Vendrix Purgewell: uninstall\.exe$' || true)
[ -z "$differences" ] || fail "the installed folder is not the zip's: $differences"
[ -f "$shortcut" ] || fail "no Start menu shortcut at $shortcut"

# The uninstall entry, as the program reads it to know its own.
entry=$("$wine64" reg query "$key" /reg:64 | tr -d '\r')
value() { # the data of value $1
  awk -v name="$1" '$1 == name { sub(/^[ \t]*[^ \t]+[ \t]+[^ \t]+[ \t]+/, ""); print; exit }' <<<"$entry"
}
expect() { # value, expected data
  local got
  got=$(value "$1")
  [ "$got" = "$2" ] && echo "ok: $1 = $got" || fail "$1 is \"$got\", expected \"$2\""
}
expect DisplayName "Vendrix Purgewell"
expect Publisher "Vendrix Software"
expect DisplayVersion "$version"
expect DisplayIcon "$windows_folder\\purgewell.exe,0"
expect InstallLocation "$windows_folder"
expect UninstallString "\"$windows_folder\\uninstall.exe\""
expect QuietUninstallString "\"$windows_folder\\uninstall.exe\" /S"
# EstimatedSize in KiB: the folder's size as the installer counted it, within a tenth of du's.
size=$(( $(value EstimatedSize) ))
du_size=$(du -sk "$folder" | cut -f1)
if [ "$size" -gt $(( du_size * 9 / 10 )) ] && [ "$size" -lt $(( du_size * 11 / 10 )) ]; then
  echo "ok: EstimatedSize = $size KiB (du: $du_size KiB)"
else
  fail "EstimatedSize is $size KiB, the folder holds $du_size KiB"
fi
if "$wine64" reg query "$key" /reg:32 >/dev/null 2>&1; then fail "the entry is in the 32-bit view too"; fi
[ $failed -eq 0 ] || exit 1

# A real window needs Wine's X11 driver rather than the null one of the test prefixes.
"$wine64" reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f /reg:64 >/dev/null 2>&1
wineserver -w
export PW_SETUP=$setup PW_FOLDER=$folder PW_WINDOWS_FOLDER=$windows_folder PW_KEY=$key PW_SHORTCUT=$shortcut PW_SHOTS=$shots
xvfb-run -a -s "-screen 0 1280x800x24" bash "$here/setup-session.sh"

if [ -e "$folder" ]; then fail "left behind: $folder: $(find "$folder" | head -n 20)"; fi
if [ -e "$shortcut" ]; then fail "left behind: $shortcut"; fi
if "$wine64" reg query "$key" /reg:64 >/dev/null 2>&1; then fail "the uninstall entry is left"; fi
[ $failed -eq 0 ] && echo "ok: Vendrix Purgewell uninstalled itself: its folder, shortcut and entry are gone"
exit $failed
