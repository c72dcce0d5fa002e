#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows programs, cross-built on Debian with MinGW-w64 and run under Wine.
#
#   scripts/windows.sh build                 cross-build into build-windows/
#   scripts/windows.sh test                  the suites under Wine, then the tool
#                                            end to end against vrk04-sim
#   scripts/windows.sh package               the installer and the zip
#   scripts/windows.sh run PROGRAM ARGS...   a built .exe under the project's Wine;
#                                            COMk is the device in VRK04_COMk
#
# Qt for Windows comes from ../shared/toolchains when it is there, else it is
# built once from Debian's source. The project's Wine is the system's Wine
# with an ntdll.so rebuilt from Debian's wine source and scripts/wine/*.patch,
# so that serial ports on pseudo-terminals carry data. Both are cached under
# ${XDG_CACHE_HOME:-~/.cache}/vrk04, keyed by their inputs; the system's Wine
# is not touched.
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$VRK04_ROOT/scripts/wine/wine.sh"

VRK04_WINDOWS_BUILD="$VRK04_ROOT/build-windows"
VRK04_TOOLCHAINS="${VRK04_TOOLCHAINS:-$VRK04_ROOT/../shared/toolchains}"
VRK04_QT_VERSION=6.4.2

# Prints the folder of the unpacked or built Qt for Windows.
vrk04_windows_qt() {
    local archive="$VRK04_TOOLCHAINS/qt-$VRK04_QT_VERSION-mingw64.tar.xz"
    if [ -f "$archive" ]; then
        local key dir
        key=$(sha256sum "$archive" | cut -c1-16)
        dir="$VRK04_CACHE/qt-$key"
        if [ ! -f "$dir/.complete" ]; then
            echo "Unpacking Qt $VRK04_QT_VERSION for Windows into $dir" >&2
            rm -rf "$dir" && mkdir -p "$dir"
            tar -xJf "$archive" -C "$dir"
            touch "$dir/.complete"
        fi
        echo "$dir/qt-$VRK04_QT_VERSION-mingw64"
    else
        "$VRK04_ROOT/scripts/wine/build-qt.sh"
    fi
}

vrk04_windows_build() {
    vrk04_install_missing "${VRK04_WINDOWS_PACKAGES[@]}"
    local qt
    qt=$(vrk04_windows_qt)
    if [ ! -f "$VRK04_WINDOWS_BUILD/CMakeCache.txt" ]; then
        local launcher=()
        command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        cmake -G Ninja -S "$VRK04_ROOT" -B "$VRK04_WINDOWS_BUILD" "${launcher[@]}" \
            -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
            -DQT_CHAINLOAD_TOOLCHAIN_FILE="$VRK04_ROOT/cmake/mingw-w64-x86_64.cmake" \
            -DQT_HOST_PATH=/usr -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_CROSSCOMPILING_EMULATOR="$VRK04_ROOT/scripts/wine/emulator.sh;$qt/bin" >/dev/null
    fi
    cmake --build "$VRK04_WINDOWS_BUILD" --parallel "$(nproc 2>/dev/null || echo 2)"
}

vrk04_windows_test() {
    vrk04_windows_build
    vrk04_wine_prepare
    # No COM port has a device: the suites find none.
    unset $(compgen -v VRK04_COM)
    vrk04_wine_map_ports
    (cd "$VRK04_WINDOWS_BUILD" && ctest --output-on-failure --parallel 2)
    # The simulator, and the Linux tool whose read the Windows tool's must
    # equal, come from the Linux build.
    local linux="$VRK04_ROOT/build"
    [ -f "$linux/CMakeCache.txt" ] || cmake -S "$VRK04_ROOT" -B "$linux" -G "Unix Makefiles" >/dev/null
    cmake --build "$linux" --parallel "$(nproc 2>/dev/null || echo 2)" --target vrk04-sim vrk04 >/dev/null
    "$VRK04_ROOT/scripts/wine/endtoend.sh" "$linux/tools/vrk04-sim" "$linux/cli/vrk04"
}

vrk04_windows_package() {
    vrk04_windows_build
    rm -f "$VRK04_WINDOWS_BUILD"/vrk04-setup-*-win64.*
    (cd "$VRK04_WINDOWS_BUILD" && cpack -G "NSIS;ZIP" >/dev/null)
    local installer
    installer=$(ls "$VRK04_WINDOWS_BUILD"/vrk04-setup-*-win64.exe)
    ls -l "$installer" "${installer%.exe}.zip"

    # The installer under Wine: a silent install under Program Files, a
    # Start-menu entry, the installed tool starting with nothing but what was
    # installed beside it, and an uninstaller that removes it all.
    vrk04_wine_prepare
    local folder="$WINEPREFIX/drive_c/Program Files/VRK-04"
    local menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Nastavení VRK-04"
    if [ -f "$folder/Uninstall.exe" ]; then # left by a check that failed
        "$WINELOADER" "$folder/Uninstall.exe" /S
        "$WINESERVER" -w
    fi
    "$WINELOADER" "$installer" /S
    "$WINESERVER" -w
    local file
    for file in vrk04-setup.exe vrk04.exe Qt6Widgets.dll libstdc++-6.dll platforms/qwindows.dll \
                styles/qwindowsvistastyle.dll translations/qtbase_cs.qm Uninstall.exe; do
        [ -f "$folder/$file" ] || { echo "installer: $file not installed" >&2; return 1; }
    done
    [ -f "$menu/Nastavení VRK-04.lnk" ] || { echo "installer: no Start-menu entry" >&2; return 1; }
    local version
    version=$(env -u WINEPATH "$WINELOADER" "$folder/vrk04.exe" --version | tr -d '\r')
    [[ "$version" == "vrk04 "* ]] || { echo "installed vrk04.exe --version: $version" >&2; return 1; }
    "$WINELOADER" "$folder/Uninstall.exe" /S
    "$WINESERVER" -w
    [ ! -e "$folder" ] || { echo "uninstaller: $folder left behind" >&2; return 1; }
    echo "Installer checked under Wine: installs, $version starts, uninstalls"
}

# run PROGRAM ARGS...: PROGRAM is a path or the name of a built .exe.
vrk04_windows_run() {
    [ $# -ge 1 ] || { echo "usage: $0 run PROGRAM [ARGS...]" >&2; exit 2; }
    local name="$1" program="$1"
    shift
    if [ ! -f "$program" ]; then
        program=$(find "$VRK04_WINDOWS_BUILD" -name "$program" -not -path '*/_CPack_Packages/*' | head -n1)
        [ -n "$program" ] || { echo "no program $name in $VRK04_WINDOWS_BUILD" >&2; exit 2; }
    fi
    vrk04_wine_prepare
    vrk04_wine_dll_path "$(vrk04_windows_qt)/bin"
    vrk04_wine_map_ports
    "$WINELOADER" "$program" "$@"
}

case "${1:-}" in
build) vrk04_windows_build ;;
test) vrk04_windows_test ;;
package) vrk04_windows_package ;;
run) shift; vrk04_windows_run "$@" ;;
*) sed -n '2,9s/^# \{0,1\}//p' "$0" >&2; exit 2 ;;
esac
