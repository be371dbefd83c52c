#!/usr/bin/env bash
# Installs what building and testing Tessarilo needs on Debian 12, and only
# what is missing. Safe to run again: a second run changes nothing.
# Prints nothing but progress; exits non-zero when something cannot be had.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cache_root="${XDG_CACHE_HOME:-$HOME/.cache}/tessarilo"

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

packages=(
  cmake ninja-build pkg-config
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix libz-mingw-w64-dev
  wine wine64 fonts-wine fonts-liberation fonts-dejavu-core
  xvfb x11-utils imagemagick
  g++ zlib1g-dev libjpeg-dev googletest libgtest-dev libbenchmark-dev clang
  nasm dpkg-dev libjpeg-turbo-progs libpng-dev libpixman-1-dev python3-pil locales libdeflate-dev
)

apt_updated=0
apt_update_once() {
  if [ $apt_updated = 0 ]; then
    as_root apt-get update -qq
    apt_updated=1
  fi
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt_update_once
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Wine turns Windows file names into Unix ones through the locale's character
# set: without a generated UTF-8 locale, Polish card names cannot be created.
for loc in pl_PL en_US; do
  if ! locale -a 2>/dev/null | grep -qix "$loc.utf8"; then
    echo "setup: generating the $loc.UTF-8 locale"
    as_root sed -i -E "s/^# *($loc\.UTF-8 UTF-8)/\1/" /etc/locale.gen
    grep -q "^$loc.UTF-8 UTF-8" /etc/locale.gen || echo "$loc.UTF-8 UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
  fi
done

# libjpeg-turbo for Windows: Debian's own source, cross-built static once per
# version into the user's cache (outside the repository).
jpeg_version=$(dpkg-query -W -f='${source:Version}' libjpeg62-turbo-dev)
jpeg_prefix="$cache_root/libjpeg-turbo-${jpeg_version//:/_}-mingw64"
jpeg_link="$cache_root/libjpeg-turbo-mingw64"

add_deb_src_entries() {
  if grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    return
  fi
  echo "setup: adding deb-src entries for the configured Debian suites"
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && grep -q 'debian' "$f" || continue
    sed -E 's/^Types:[[:space:]]*deb[[:space:]]*$/Types: deb-src/' "$f" |
      as_root tee "/etc/apt/sources.list.d/tessarilo-src-$(basename "$f")" >/dev/null
  done
  if [ -f /etc/apt/sources.list ]; then
    grep -E '^deb[[:space:]]' /etc/apt/sources.list | sed -E 's/^deb[[:space:]]/deb-src /' |
      as_root tee /etc/apt/sources.list.d/tessarilo-src.list >/dev/null || true
  fi
  apt_updated=0
  apt_update_once
}

# Unpacks Debian's source package $1 at version $2 into $3/src (a fresh
# temporary folder that the caller removes).
unpack_debian_source() {
  add_deb_src_entries
  (cd "$3" && apt-get source -qq --download-only "$1=$2" >/dev/null 2>&1 \
     || apt-get source -qq --download-only "$1" >/dev/null)
  (cd "$3" && dpkg-source -x --no-check ./*.dsc src >/dev/null)
}

if [ ! -f "$jpeg_prefix/lib/libjpeg.a" ]; then
  echo "setup: cross-building libjpeg-turbo $jpeg_version for x86_64-w64-mingw32"
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  unpack_debian_source libjpeg-turbo "$jpeg_version" "$work"
  mkdir -p "$cache_root"
  cmake -S "$work/src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/toolchain-mingw64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$jpeg_prefix" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON \
    -DWITH_JPEG8=OFF -Wno-dev >/dev/null 2>&1
  cmake --build "$work/build" >/dev/null
  cmake --install "$work/build" >/dev/null
  rm -rf "$work"
  trap - EXIT
fi
ln -sfn "$jpeg_prefix" "$jpeg_link"

# libdeflate for Windows, the same way: Debian's source, its own makefile,
# only the static library (seconds to build).
deflate_version=$(dpkg-query -W -f='${source:Version}' libdeflate-dev)
deflate_prefix="$cache_root/libdeflate-${deflate_version//:/_}-mingw64"
deflate_link="$cache_root/libdeflate-mingw64"
if [ ! -f "$deflate_prefix/lib/libdeflate.a" ]; then
  echo "setup: cross-building libdeflate $deflate_version for x86_64-w64-mingw32"
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  unpack_debian_source libdeflate "$deflate_version" "$work"
  make -C "$work/src" -j3 CC=x86_64-w64-mingw32-gcc-posix AR=x86_64-w64-mingw32-ar \
    libdeflatestatic.lib >/dev/null
  mkdir -p "$deflate_prefix/lib" "$deflate_prefix/include"
  install -m644 "$work/src/libdeflatestatic.lib" "$deflate_prefix/lib/libdeflate.a"
  install -m644 "$work/src/libdeflate.h" "$deflate_prefix/include/libdeflate.h"
  rm -rf "$work"
  trap - EXIT
fi
ln -sfn "$deflate_prefix" "$deflate_link"
echo "setup: ready (libjpeg-turbo for Windows in $jpeg_prefix, libdeflate in $deflate_prefix)"
