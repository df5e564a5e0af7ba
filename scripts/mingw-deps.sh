#!/bin/sh
# mingw-deps.sh [i686|x86_64]: cross-compiles the libraries a Windows build
# links, from Debian's own source packages, into the build-local prefix
# .deps/mingw-<arch> (i686 when no architecture is given). Each library
# leaves a stamp file; running the script again rebuilds nothing that is
# already in place.
set -eu
cd "$(dirname "$0")/.."
arch=${1:-i686}
case "$arch" in
i686 | x86_64) ;;
*)
    echo "mingw-deps.sh: unknown architecture \"$arch\" (i686 or x86_64)" >&2
    exit 2
    ;;
esac
top=$(pwd)
deps=$top/.deps
prefix=$deps/mingw-$arch
build=$deps/build-$arch
src=$deps/src
toolchain=$top/cmake/mingw-$arch.cmake
triple=$arch-w64-mingw32
mkdir -p "$prefix" "$src"

# Unpacks Debian's source package $1 into $src and prints its directory.
fetch_source() {
    (cd "$src" && ls -d "$1"-*/ >/dev/null 2>&1 || apt-get source -q "$1" >&2)
    (cd "$src" && ls -d "$1"-*/ | head -n 1 | sed "s|^|$src/|; s|/\$||")
}

# zlib, static, with its own configure script (its CMake build would also
# produce a DLL that libpng's CMake build prefers).
if [ ! -e "$prefix/.zlib.stamp" ]; then
    dir=$(fetch_source zlib)
    (cd "$dir" && CC=$triple-gcc-posix AR=$triple-ar \
        RANLIB=$triple-ranlib ./configure --static --prefix="$prefix" >/dev/null &&
        make -j2 libz.a >/dev/null && make install >/dev/null && make distclean >/dev/null)
    touch "$prefix/.zlib.stamp"
fi

# libpng, static, against the zlib above.
if [ ! -e "$prefix/.libpng.stamp" ]; then
    dir=$(fetch_source libpng1.6)
    cmake -S "$dir" -B "$build/libpng" -G Ninja \
        -Wno-dev -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DPNG_SHARED=OFF -DPNG_STATIC=ON \
        -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
        -DZLIB_INCLUDE_DIR="$prefix/include" -DZLIB_LIBRARY="$prefix/lib/libz.a" >/dev/null
    cmake --build "$build/libpng" -j2 >/dev/null
    cmake --install "$build/libpng" >/dev/null
    touch "$prefix/.libpng.stamp"
fi

# libjpeg-turbo with the libjpeg 6b interface, static, with its SIMD code.
if [ ! -e "$prefix/.libjpeg-turbo.stamp" ]; then
    dir=$(fetch_source libjpeg-turbo)
    cmake -S "$dir" -B "$build/libjpeg-turbo" -G Ninja \
        -Wno-dev -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
        -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF -DWITH_JPEG7=OFF >/dev/null
    cmake --build "$build/libjpeg-turbo" -j2 >/dev/null
    cmake --install "$build/libjpeg-turbo" >/dev/null
    touch "$prefix/.libjpeg-turbo.stamp"
fi

# nlohmann-json: header-only; installed with its CMake package files so that
# find_package finds it the same way in both builds.
if [ ! -e "$prefix/.nlohmann-json.stamp" ]; then
    dir=$(fetch_source nlohmann-json3)
    cmake -S "$dir" -B "$build/nlohmann-json" -G Ninja \
        -Wno-dev -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DJSON_BuildTests=OFF -DJSON_Install=ON >/dev/null
    cmake --install "$build/nlohmann-json" >/dev/null
    touch "$prefix/.nlohmann-json.stamp"
fi
