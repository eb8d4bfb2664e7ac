#!/usr/bin/env bash
# Brings a fresh Debian 12 machine (as root) to a state where everything builds and tests.
# Idempotent: when every package is present it only checks and returns.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config googletest libgtest-dev libbenchmark-dev zlib1g-dev libjpeg-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  libz-mingw-w64-dev
  wine wine32:i386 wine64 xvfb xauth x11-utils x11-xserver-utils xdotool fonts-wine fonts-liberation
  imagemagick fp-utils-3.2.2 dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed' || missing+=("$p")
done

need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_update=1
fi
# Source packages are needed to build libjpeg-turbo for the Windows side.
src=/etc/apt/sources.list.d/debian.sources
if [ -f "$src" ] && grep -q '^Types: deb$' "$src"; then
  sed -i 's/^Types: deb$/Types: deb deb-src/' "$src"
  need_update=1
elif [ ! -f "$src" ] && [ -f /etc/apt/sources.list ] && ! grep -q '^deb-src' /etc/apt/sources.list; then
  sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list >/etc/apt/sources.list.d/korvalith-src.list
  need_update=1
fi

if [ ${#missing[@]} -gt 0 ] || [ $need_update -eq 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
fi
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
echo "install-deps: all packages present"
