#!/usr/bin/env bash
# Cross-compiles libjpeg-turbo, libpng and giflib for 64-bit Windows from
# Debian's own source packages, once, into DEST/prefix (static libraries and
# headers). zlib comes from Debian's libz-mingw-w64-dev. A stamp per library
# makes a second run do nothing.
#   build-windows-deps.sh DEST
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dest=$1
mkdir -p "$dest"
dest=$(cd "$dest" && pwd)
src="$dest/src"
work="$dest/build"
prefix="$dest/prefix"
toolchain="$here/cmake/mingw-w64-x86_64.cmake"
jobs=2
trap 'echo "building the Windows picture libraries failed; see $work-*.log" >&2' ERR

done_already() { [ -f "$prefix/.built-$1" ]; }
mark_done() { touch "$prefix/.built-$1"; }

if done_already libjpeg-turbo && done_already libpng && done_already giflib; then
  exit 0
fi

echo "Building the Windows picture libraries from Debian's sources (once)..."
mkdir -p "$prefix/lib" "$prefix/include"
"$here/tools/fetch-debian-sources.sh" "$src" libjpeg-turbo libpng1.6 giflib >/dev/null

cmake_cross=(
  -DCMAKE_TOOLCHAIN_FILE="$toolchain"
  -DCMAKE_BUILD_TYPE=Release
  -DCMAKE_INSTALL_PREFIX="$prefix"
  -DCMAKE_POLICY_DEFAULT_CMP0074=NEW
)

if ! done_already libjpeg-turbo; then
  jpeg_src=$(ls -d "$src"/libjpeg-turbo-*/ | head -1)
  cmake -S "$jpeg_src" -B "$work/jpeg" "${cmake_cross[@]}" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON \
    -DCMAKE_ASM_NASM_COMPILER=nasm >"$work-jpeg.log" 2>&1
  cmake --build "$work/jpeg" -j"$jobs" >>"$work-jpeg.log" 2>&1
  cmake --install "$work/jpeg" >>"$work-jpeg.log" 2>&1
  mark_done libjpeg-turbo
fi

if ! done_already libpng; then
  png_src=$(ls -d "$src"/libpng1.6-*/ | head -1)
  cmake -S "$png_src" -B "$work/png" "${cmake_cross[@]}" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a \
    -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include >"$work-png.log" 2>&1
  cmake --build "$work/png" -j"$jobs" >>"$work-png.log" 2>&1
  cmake --install "$work/png" >>"$work-png.log" 2>&1
  mark_done libpng
fi

if ! done_already giflib; then
  gif_src=$(ls -d "$src"/giflib-*/ | head -1)
  mkdir -p "$work/gif"
  objs=()
  for f in dgif_lib egif_lib gif_err gif_font gif_hash gifalloc openbsd-reallocarray quantize; do
    x86_64-w64-mingw32-gcc-posix -O2 -std=gnu99 -c "$gif_src/$f.c" -o "$work/gif/$f.o" \
      >>"$work-gif.log" 2>&1
    objs+=("$work/gif/$f.o")
  done
  rm -f "$prefix/lib/libgif.a"
  x86_64-w64-mingw32-ar rcs "$prefix/lib/libgif.a" "${objs[@]}"
  cp "$gif_src/gif_lib.h" "$prefix/include/"
  mark_done giflib
fi
echo "Windows picture libraries ready in $prefix"
