#!/usr/bin/env bash
# The Windows build, made and tested on Linux: installs what it needs (Debian 12 packages), builds
# Qt for Windows from Debian's source with MinGW-w64 (cached outside the checkout, see
# scripts/windows-qt.sh), cross-builds the program and its tests into build-win/, runs the tests
# as Windows programs under Wine (each in a throwaway prefix), and writes the Windows packages:
# build-win/purgewell-<version>-win64.zip, the portable program folder, and, from the same files,
# the installer build-win/purgewell-<version>-setup.exe (NSIS). Exits non-zero when anything
# fails; extra arguments go to ctest (for example -R tst_wineregistry).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --packages-only
extra=(xdotool unzip)
missing=()
for p in "${extra[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

echo "Qt for Windows: building or reusing the cached build (the first time takes about 25 minutes)"
qt=$(scripts/windows-qt.sh | tail -n1)
echo "Qt for Windows: $qt"

build=build-win
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DPURGEWELL_WINDOWS_QT="$qt" >/dev/null
cmake --build "$build" -j "$(nproc)"
# One cpack run stages the program folder once and makes both the zip and the installer of it
# (cmake/PurgewellPackageWindows.cmake).
rm -f "$build"/purgewell-*-win64.zip "$build"/purgewell-*-setup.exe
(cd "$build" && cpack -G ZIP >cpack.log 2>&1) || { cat "$build/cpack.log" >&2; exit 1; }
ls -l "$build"/purgewell-*-win64.zip "$build"/purgewell-*-setup.exe
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" "$@"
