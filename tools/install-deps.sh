#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that
# are missing. As root it installs them; for anyone else it prints the exact
# apt-get line and stops, so nothing is changed behind the user's back.
set -euo pipefail

packages=(
  cmake make g++ clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix libz-mingw-w64-dev binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth x11-utils imagemagick
  libgtest-dev libgmock-dev libbenchmark-dev
  libjpeg62-turbo-dev libpng-dev libgif-dev zlib1g-dev
  nasm python3 dpkg-dev debian-archive-keyring
  fonts-wqy-microhei fonts-wine
  autoconf automake libtool pkg-config
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Install them as root with:" >&2
  echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
