#!/usr/bin/env bash
# Installs what building, running and testing need (Debian 12 packages), then configures and
# builds into build/. Safe to run again: it installs only what is missing.
# With --packages-only it stops after installing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config
  qtbase5-dev qtbase5-dev-tools libqt5svg5-dev qttools5-dev qttools5-dev-tools libyaml-cpp-dev
  wine wine64 mingw-w64 nsis wixl
  xvfb xauth x11-apps x11-utils imagemagick fonts-dejavu-core
  # CJK fonts for the Chinese and Japanese texts, in the generated images and in the program:
  # WenQuanYi Micro Hei (Simplified Chinese), IPAGothic (Japanese, with its own Kanji forms)
  fonts-wqy-microhei fonts-ipafont-gothic
  python3 xdotool
  desktop-file-utils appstream dpkg-dev file
  ca-certificates
  clang libclang-rt-14-dev
)
# Wine's 32-bit half runs 32-bit Windows programs, which most installers are. It needs Debian's
# i386 architecture; with it, plain "wine" is the 32-bit loader (see scripts/lib/wineloader.sh).
if [ "$(dpkg --print-architecture)" = amd64 ]; then
  packages+=(wine32:i386)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo_cmd dpkg --add-architecture i386
  fi
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
[ "${1:-}" = "--packages-only" ] && exit 0

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build build -j "$(nproc)"
