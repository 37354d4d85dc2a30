#!/usr/bin/env bash
# Cross-builds libjpeg for Windows from Debian's libjpeg-turbo source package,
# once, into <deps>/libjpeg (include/ and lib/libjpeg.a).
set -euo pipefail
deps=$(realpath -m "${1:-build/deps}")
root=$(cd "$(dirname "$0")/.." && pwd)
[ -f "$deps/libjpeg/lib/libjpeg.a" ] && exit 0

mkdir -p "$deps/src"
cd "$deps/src"
if ! ls libjpeg-turbo_*.orig.tar.* >/dev/null 2>&1; then
  echo "libjpeg: fetching Debian's libjpeg-turbo source package"
  apt-get source --download-only -qq libjpeg-turbo >/dev/null 2>&1 || {
    echo "libjpeg: apt-get source failed; is there a deb-src entry (scripts/install-deps.sh adds one)?" >&2
    exit 1
  }
fi
tarball=$(ls libjpeg-turbo_*.orig.tar.* | head -n 1)
rm -rf unpacked && mkdir unpacked
tar -xf "$tarball" -C unpacked
srcdir=$(find unpacked -mindepth 1 -maxdepth 1 -type d | head -n 1)

echo "libjpeg: cross-building $(basename "$srcdir")"
cmake -S "$srcdir" -B "$deps/libjpeg-build" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF \
  -DCMAKE_INSTALL_PREFIX="$deps/libjpeg" >/dev/null
cmake --build "$deps/libjpeg-build" -j"$(nproc)" >/dev/null
cmake --install "$deps/libjpeg-build" >/dev/null
echo "libjpeg: installed into $deps/libjpeg"
