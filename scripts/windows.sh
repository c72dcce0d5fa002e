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
    export CCACHE_BASEDIR="$VRK04_ROOT"
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

# What both packages hold besides the programs and their DLLs: the guides and
# the licences.
VRK04_WINDOWS_DOCUMENTS=(NAVOD.txt GUIDE.txt licences/LICENSE licences/LGPL-3.0.txt licences/GPL-3.0.txt
                         licences/GCC-exception-3.1.txt licences/winpthreads.txt
                         licences/qtbase-copyright.txt licences/README-licences.txt)
VRK04_WINDOWS_CLASSES='HKLM\Software\Classes'
VRK04_WINDOWS_PROGID=VRK04.Configuration

# reg ARGS...: Wine's reg.exe, quiet; its exit status says whether a key or value is there.
vrk04_wine_reg() {
    "$WINELOADER" reg "$@" >/dev/null 2>&1
}

# The default program of each suffix the installer offers the window for, one
# "suffix=program" line each; an empty program when there is none.
vrk04_windows_defaults() {
    local suffix program
    for suffix in .bin .json .csv; do
        program=$("$WINELOADER" reg query "$VRK04_WINDOWS_CLASSES\\$suffix" /ve 2>/dev/null | tr -d '\r' |
                  sed -n 's/^ *(Default) *REG_SZ *//p')
        [ "$program" != "(value not set)" ] || program=
        echo "$suffix=$program"
    done
}

# install_and_check INSTALLER LINK: a silent install, its files, its
# Start-menu entries (LINK is the guide's, in the installer's language) and
# its "Open with" keys; prints the installed tool's --version.
vrk04_windows_install_and_check() {
    local installer="$1" guide_link="$2"
    local folder="$WINEPREFIX/drive_c/Program Files/VRK-04"
    local menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Nastavení VRK-04"
    "$WINELOADER" "$installer" /S
    "$WINESERVER" -w
    local file
    for file in vrk04-setup.exe vrk04.exe Qt6Widgets.dll libstdc++-6.dll platforms/qwindows.dll \
                styles/qwindowsvistastyle.dll translations/qtbase_cs.qm Uninstall.exe \
                "${VRK04_WINDOWS_DOCUMENTS[@]}"; do
        [ -f "$folder/$file" ] || { echo "installer: $file not installed" >&2; return 1; }
    done
    # The zip's marker would make the installed program portable.
    [ ! -e "$folder/portable.txt" ] || { echo "installer: portable.txt installed" >&2; return 1; }
    for file in "Nastavení VRK-04.lnk" "$guide_link"; do
        [ -f "$menu/$file" ] || { echo "installer: no Start-menu entry $file" >&2; return 1; }
    done
    local key="$VRK04_WINDOWS_CLASSES\\Applications\\vrk04-setup.exe"
    local suffix
    for suffix in .bin .json .csv; do
        vrk04_wine_reg query "$key\\SupportedTypes" /v "$suffix" &&
            vrk04_wine_reg query "$VRK04_WINDOWS_CLASSES\\$suffix\\OpenWithProgids" /v "$VRK04_WINDOWS_PROGID" ||
            { echo "installer: vrk04-setup.exe not offered for $suffix" >&2; return 1; }
    done
    vrk04_wine_reg query "$VRK04_WINDOWS_CLASSES\\$VRK04_WINDOWS_PROGID\\shell\\open\\command" ||
        { echo "installer: no open command for $VRK04_WINDOWS_PROGID" >&2; return 1; }
    local version
    version=$(env -u WINEPATH "$WINELOADER" "$folder/vrk04.exe" --version | tr -d '\r')
    [[ "$version" == "vrk04 "*$'\n'"Licence: MIT" ]] || { echo "installed vrk04.exe --version: $version" >&2; return 1; }
    echo "${version%%$'\n'*}"
}

# uninstall_and_check: the uninstaller removes the folder, the licences in it,
# the Start-menu folder and the "Open with" keys.
vrk04_windows_uninstall_and_check() {
    local folder="$WINEPREFIX/drive_c/Program Files/VRK-04"
    local menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Nastavení VRK-04"
    "$WINELOADER" "$folder/Uninstall.exe" /S
    "$WINESERVER" -w
    [ ! -e "$folder" ] || { echo "uninstaller: $folder left behind" >&2; return 1; }
    [ ! -e "$menu" ] || { echo "uninstaller: $menu left behind" >&2; return 1; }
    local key
    for key in "Applications\\vrk04-setup.exe" "$VRK04_WINDOWS_PROGID" ".bin\\OpenWithProgids /v $VRK04_WINDOWS_PROGID" \
               ".json\\OpenWithProgids /v $VRK04_WINDOWS_PROGID" ".csv\\OpenWithProgids /v $VRK04_WINDOWS_PROGID"; do
        # shellcheck disable=SC2086 # a key, and for a value /v and its name
        ! vrk04_wine_reg query "$VRK04_WINDOWS_CLASSES\\"$key || { echo "uninstaller: $key left behind" >&2; return 1; }
    done
}

vrk04_windows_package() {
    # unzip lists the zip; locales holds the Czech locale the installer is checked in.
    vrk04_install_missing "${VRK04_WINDOWS_PACKAGES[@]}" unzip locales
    vrk04_windows_build
    rm -f "$VRK04_WINDOWS_BUILD"/vrk04-setup-*-win64.*
    (cd "$VRK04_WINDOWS_BUILD" && cpack -G "NSIS;ZIP" >/dev/null)
    local installer zip
    installer=$(ls "$VRK04_WINDOWS_BUILD"/vrk04-setup-*-win64.exe)
    zip="${installer%.exe}.zip"
    ls -l "$installer" "$zip"
    local listing file
    listing=$(unzip -Z1 "$zip")
    for file in "${VRK04_WINDOWS_DOCUMENTS[@]}"; do
        grep -qx "[^/]*/$file" <<<"$listing" || { echo "zip: no $file" >&2; return 1; }
    done
    grep -qx "[^/]*/portable.txt" <<<"$listing" || { echo "zip: no portable.txt" >&2; return 1; }

    # The installer under Wine: a silent install under Program Files, a
    # Start-menu entry and the guide, the installed tool starting with nothing
    # but what was installed beside it, "Open with" for configuration files
    # without a change of their default program, and an uninstaller that
    # removes it all. First in English (Wine's language under the C locale),
    # then in Czech.
    vrk04_wine_prepare
    local folder="$WINEPREFIX/drive_c/Program Files/VRK-04"
    if [ -f "$folder/Uninstall.exe" ]; then # left by a check that failed
        "$WINELOADER" "$folder/Uninstall.exe" /S
        "$WINESERVER" -w
    fi
    # .json with a default program of another's, which must stay.
    vrk04_wine_reg add "$VRK04_WINDOWS_CLASSES\\.json" /ve /d Other.json /f
    local defaults version
    defaults=$(vrk04_windows_defaults)
    version=$(LC_ALL=C.UTF-8 vrk04_windows_install_and_check "$installer" Guide.lnk)
    [ "$(vrk04_windows_defaults)" = "$defaults" ] ||
        { echo "installer: the default program of .bin, .json or .csv changed" >&2; return 1; }
    vrk04_windows_uninstall_and_check
    [ "$(vrk04_windows_defaults)" = "$defaults" ] ||
        { echo "uninstaller: the default program of .bin, .json or .csv changed" >&2; return 1; }
    vrk04_wine_reg delete "$VRK04_WINDOWS_CLASSES\\.json" /f

    # Czech from a locale of the cache's own, so that the system's stay as they are.
    local locales="$VRK04_CACHE/locale"
    [ -d "$locales/cs_CZ.UTF-8" ] || { mkdir -p "$locales" && localedef -i cs_CZ -f UTF-8 "$locales/cs_CZ.UTF-8"; }
    (
        # For Wine; bash itself does not see LOCPATH and would warn.
        export LOCPATH="$locales" LC_ALL=cs_CZ.UTF-8 2>/dev/null
        vrk04_windows_install_and_check "$installer" Návod.lnk >/dev/null
        vrk04_windows_uninstall_and_check
    )
    echo "Installer checked under Wine in English and Czech: installs with the licences and the guide," \
         "offers the window for .bin, .json and .csv, $version starts, uninstalls"
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
