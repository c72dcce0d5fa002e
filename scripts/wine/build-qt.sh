#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Qt 6.4.2 for Windows x86_64 (MinGW-w64; Core, Gui, Widgets, Test and
# SerialPort, shared, release, DLLs stripped) once into the cache and prints
# its folder. For machines without ../shared/toolchains: about 40 minutes on
# two cores. qtbase comes from Debian's source; Debian does not serve Qt
# Serial Port's, so its tarball is taken from VRK04_QTSERIALPORT_SOURCE or
# ../shared/toolchains.
set -euo pipefail
VRK04_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$VRK04_ROOT/scripts/common.sh"
source "$VRK04_ROOT/scripts/wine/wine.sh"

qtbase_version=6.4.2+dfsg-10
serialport="${VRK04_QTSERIALPORT_SOURCE:-$VRK04_ROOT/../shared/toolchains/qtserialport-everywhere-src-6.4.2.tar.xz}"
[ -f "$serialport" ] || { echo "Qt Serial Port's source not found: set VRK04_QTSERIALPORT_SOURCE" >&2; exit 1; }
key=$( (echo "$qtbase_version"; sha256sum <"$serialport"; cat "$0") | sha256sum | cut -c1-16)
dir="$VRK04_CACHE/qt-built-$key"
prefix="$dir/qt-6.4.2-mingw64"
if [ -f "$dir/.complete" ]; then
    echo "$prefix"
    exit 0
fi

{
    started=$SECONDS
    vrk04_install_missing "${VRK04_WINDOWS_PACKAGES[@]}" dpkg-dev
    echo "Building Qt 6.4.2 for Windows in $dir (about 40 minutes on two cores)"
    vrk04_debian_source qt6-base "$qtbase_version" "$VRK04_CACHE/qtbase-source"
    rm -rf "$dir" && mkdir -p "$dir"
    dpkg-source -x "$VRK04_CACHE/qtbase-source/qt6-base_$qtbase_version.dsc" "$dir/qtbase" >/dev/null
    mkdir "$dir/qtserialport" && tar -xJf "$serialport" -C "$dir/qtserialport" --strip-components=1

    toolchain="$VRK04_ROOT/cmake/mingw-w64-x86_64.cmake"
    # No tablet events: Debian's source lacks src/3rdparty/wintab.
    cmake -G Ninja -S "$dir/qtbase" -B "$dir/build-qtbase" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_pkg_config=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_printsupport=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF -DFEATURE_icu=OFF \
        -DFEATURE_direct2d=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF \
        -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF >/dev/null
    cmake --build "$dir/build-qtbase" --parallel "$(nproc 2>/dev/null || echo 2)"
    cmake --install "$dir/build-qtbase" >/dev/null

    cmake -G Ninja -S "$dir/qtserialport" -B "$dir/build-qtserialport" \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH=/usr \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$dir/build-qtserialport"
    cmake --install "$dir/build-qtserialport" >/dev/null

    find "$prefix" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
    rm -rf "$dir/qtbase" "$dir/qtserialport" "$dir/build-qtbase" "$dir/build-qtserialport"
    touch "$dir/.complete"
    echo "Qt for Windows built in $((SECONDS - started)) s"
} >&2
echo "$prefix"
