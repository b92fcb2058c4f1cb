#!/usr/bin/env bash
# Builds the image libraries for one Windows architecture as static libraries.
# The sources come from Debian's source archive (with Debian's patches applied); nothing
# third-party is kept in the repository.
#   fetch-deps.sh <i686|x86_64> <deps-dir>
# Leaves <deps-dir>/<arch>/{include,lib} with libpng16.a and libjpeg.a (zlib is Debian's
# libz-mingw-w64-dev). Does nothing when they are already there.
set -euo pipefail
arch=$1
deps=$(realpath -m "$2")
root=$(cd "$(dirname "$0")/.." && pwd)
prefix=$deps/$arch
stamp=$prefix/.built-png1.6.39-jpeg2.1.5
[ -f "$stamp" ] && exit 0

src=$deps/src
mkdir -p "$src"
if [ ! -d "$src/libpng" ] || [ ! -d "$src/libjpeg-turbo" ]; then
    dl=$(mktemp -d)
    (cd "$dl" && apt-get source -qq libpng1.6=1.6.39-2+deb12u5 libjpeg-turbo=1:2.1.5-2 >/dev/null 2>&1 \
        || (cd "$dl" && apt-get source -qq libpng1.6 libjpeg-turbo >/dev/null))
    rm -rf "$src/libpng" "$src/libjpeg-turbo"
    mv "$dl"/libpng1.6-*/ "$src/libpng"
    mv "$dl"/libjpeg-turbo-*/ "$src/libjpeg-turbo"
    rm -rf "$dl"
fi

toolchain=$root/cmake/mingw-$arch.cmake
sysroot=/usr/$arch-w64-mingw32
common=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain"
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_POLICY_DEFAULT_CMP0074=NEW)

cmake -S "$src/libpng" -B "$deps/build-$arch/libpng" "${common[@]}" -Wno-dev \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF -DSKIP_INSTALL_PROGRAMS=ON \
    -DSKIP_INSTALL_FILES=ON -DZLIB_INCLUDE_DIR="$sysroot/include" -DZLIB_LIBRARY="$sysroot/lib/libz.a" >/dev/null
cmake --build "$deps/build-$arch/libpng" >/dev/null
cmake --install "$deps/build-$arch/libpng" >/dev/null

cmake -S "$src/libjpeg-turbo" -B "$deps/build-$arch/libjpeg-turbo" "${common[@]}" -Wno-dev \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON -DREQUIRE_SIMD=ON \
    -DCMAKE_ASM_NASM_COMPILER=nasm >/dev/null
cmake --build "$deps/build-$arch/libjpeg-turbo" >/dev/null
cmake --install "$deps/build-$arch/libjpeg-turbo" >/dev/null

touch "$stamp"
