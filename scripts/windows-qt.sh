#!/usr/bin/env bash
# Builds Qt for Windows (qtbase 5.15.8 from Debian's source package) with MinGW-w64 and its
# posix thread model, and installs it into a cache folder outside the checkout. Prints the
# installed Qt's folder on its last line. A cached build whose key (Qt version + configure
# options + this script's compiler) matches is reused, so a second run takes seconds.
#
#   PURGEWELL_CACHE   where the cache lives (default: ~/.cache/purgewell)
set -euo pipefail

qt_version=5.15.8
cache=${PURGEWELL_CACHE:-$HOME/.cache/purgewell}
mingw=x86_64-w64-mingw32

# Release DLLs of Core, Gui, Widgets, Network (HTTPS through Windows' own Secure Channel, for the
# update check), Test and the windows/offscreen/minimal platforms. Debian's tarball has no
# wintab.h, hence no tablet events; no OpenGL, D-Bus, ICU or SQL is used.
configure_options=(
  -opensource -confirm-license -release -shared
  -xplatform win32-g++
  -no-opengl -no-dbus -no-icu -no-feature-sql -no-feature-tabletevent -no-direct2d
  -schannel
  -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-freetype -qt-harfbuzz
  -nomake examples -nomake tests
)

# The key names what makes two builds interchangeable.
key=$(printf '%s\n' "$qt_version" "${configure_options[@]}" "$($mingw-g++-posix --version | head -1)" \
  | sha256sum | cut -c1-12)
prefix=$cache/qt-$qt_version-win64-posix-$key
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work=$cache/qt-build-$key
mkdir -p "$work"

# Debian's source index, in a private apt state folder: the system's lists stay untouched.
src_tar=$(ls "$work"/qtbase-opensource-src_${qt_version}*.orig.tar.* 2>/dev/null | head -1 || true)
if [ -z "$src_tar" ]; then
  apt_state=$work/apt
  mkdir -p "$apt_state/lists/partial" "$apt_state/cache/archives/partial"
  # The archive the machine already uses for binary packages, as a deb-src entry.
  uri=$( (grep -hs '^URIs:' /etc/apt/sources.list.d/*.sources | head -1 | awk '{print $2}') || true)
  [ -n "$uri" ] || uri=$( (grep -hs '^deb ' /etc/apt/sources.list | head -1 | awk '{print $2}') || true)
  [ -n "$uri" ] || uri=http://deb.debian.org/debian
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri bookworm main" \
    > "$apt_state/sources.list"
  apt_opts=(-o Dir::Etc::SourceList="$apt_state/sources.list" -o Dir::Etc::SourceParts=-
            -o Dir::State::Lists="$apt_state/lists" -o Dir::Cache="$apt_state/cache"
            -o APT::Sandbox::User=root)
  apt-get "${apt_opts[@]}" update -qq
  (cd "$work" && apt-get "${apt_opts[@]}" source --download-only qtbase-opensource-src)
  src_tar=$(ls "$work"/qtbase-opensource-src_${qt_version}*.orig.tar.* 2>/dev/null | head -1 || true)
  if [ -z "$src_tar" ]; then
    echo "Debian's archive did not give qtbase-opensource-src $qt_version:" >&2
    ls "$work" >&2
    exit 1
  fi
fi

src=$work/src
if [ ! -f "$src/configure" ]; then
  rm -rf "$src"; mkdir -p "$src"
  tar -xf "$src_tar" -C "$src" --strip-components=1
  # Debian's patches (its security fixes among them), so this is the Qt the Linux build runs.
  deb_tar=$(ls "$work"/qtbase-opensource-src_${qt_version}*.debian.tar.* | head -1)
  tar -xf "$deb_tar" -C "$src"
  while read -r patch_name; do
    case $patch_name in ''|'#'*) continue ;; esac
    patch -d "$src" -p1 -s < "$src/debian/patches/$patch_name"
  done < "$src/debian/patches/series"
  # Secure Channel's import libraries are lower case in MinGW-w64, and Linux file names have case.
  sed -i 's/"-lSecur32" "-lCrypt32"/"-lsecur32" "-lcrypt32"/' "$src/src/network/ssl/ssl.pri"
fi

# The posix thread model under the plain names qmake's win32-g++ spec asks for.
tools=$work/tools
mkdir -p "$tools"
for t in gcc g++ c++ cpp; do ln -sf "/usr/bin/$mingw-$t-posix" "$tools/$mingw-$t"; done
for t in ar ranlib strip windres objcopy objdump nm ld dlltool; do
  ln -sf "/usr/bin/$mingw-$t" "$tools/$mingw-$t"
done

build=$work/build
rm -rf "$build"; mkdir -p "$build"
cd "$build"
MAKEFLAGS=-j"$(nproc)" "$src/configure" "${configure_options[@]}" -device-option CROSS_COMPILE="$tools/$mingw-" \
  -prefix "$prefix" > configure.log 2>&1 || { tail -40 configure.log; exit 1; }
make -j"$(nproc)" > make.log 2>&1 || { tail -60 make.log; exit 1; }
make -j"$(nproc)" install > install.log 2>&1 || { tail -40 install.log; exit 1; }
touch "$prefix/.complete"
rm -rf "$build" "$src"
echo "$prefix"
