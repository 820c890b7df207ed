#!/usr/bin/env bash
# Cross-builds Pannix and its test suites for 64-bit Windows in build-windows/win/, against the Qt
# built for Windows that lies in ../shared/windows/ (unpacked into the build folder, never into the
# repository), and leaves the zip and the installer in build-windows/packages/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$root/build-windows
archive=${PANNIX_WINDOWS_QT:-$root/../shared/windows/qt6.4.2-mingw-x86_64.tar.xz}
libarchive=${PANNIX_WINDOWS_LIBARCHIVE:-$root/../shared/windows/libarchive3.6.2-mingw-x86_64.tar.xz}
mkdir -p "$build"
if [ ! -f "$build/qt6-mingw/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    tar -C "$build" -xJf "$archive"
fi
# libarchive and zlib, static, for unpacking the tools' zip.
if [ ! -f "$build/libarchive-mingw/lib/pkgconfig/libarchive.pc" ]; then
    tar -C "$build" -xJf "$libarchive"
fi
PKG_CONFIG_LIBDIR="$build/qt6-mingw/lib/pkgconfig:$build/libarchive-mingw/lib/pkgconfig" cmake -S . -B "$build/win" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$build/qt6-mingw/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DPKG_CONFIG_ARGN=--define-prefix \
    -DPANNIX_BUILD_BENCH=OFF
cmake --build "$build/win" -j2
# The zip and the 64-bit installer (nsisconf.nsh tells makensis the target).
(cd "$build/win" && NSISCONFDIR="$build/win/nsis" cpack -B "$build/packages" > "$build/cpack.log") \
    || { cat "$build/cpack.log"; exit 1; }
rm -rf "$build/packages/_CPack_Packages"
