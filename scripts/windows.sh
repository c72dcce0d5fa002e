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
# is not touched. VRK04_WINEPREFIX names a Wine prefix of the caller's own
# instead of the one kept in the cache.
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
VRK04_WINDOWS_PROGID=VRK04.Configuration
VRK04_WINDOWS_UNINSTALL='Software\Microsoft\Windows\CurrentVersion\Uninstall\VRK-04'

# scope SCOPE: sets folder, menu and root (the registry's) of an install for
# SCOPE, AllUsers or CurrentUser, in the caller's locals.
vrk04_windows_scope() {
    local programs='Microsoft/Windows/Start Menu/Programs/Nastavení VRK-04'
    local user
    user="$WINEPREFIX/drive_c/users/$(id -un)"
    case "$1" in
    AllUsers)
        folder="$WINEPREFIX/drive_c/Program Files/VRK-04"
        menu="$WINEPREFIX/drive_c/ProgramData/$programs"
        root=HKLM ;;
    CurrentUser)
        folder="$user/AppData/Local/Programs/VRK-04"
        menu="$user/AppData/Roaming/$programs"
        root=HKCU ;;
    esac
}

# reg ARGS...: Wine's reg.exe, quiet; its exit status says whether a key or value is there.
vrk04_wine_reg() {
    "$WINELOADER" reg "$@" >/dev/null 2>&1
}

# defaults ROOT: the default program of each suffix the installer offers the
# window for in ROOT's classes, one "suffix=program" line each; an empty
# program when there is none.
vrk04_windows_defaults() {
    local suffix program
    for suffix in .bin .json .csv; do
        program=$("$WINELOADER" reg query "$1\\Software\\Classes\\$suffix" /ve 2>/dev/null | tr -d '\r' |
                  sed -n 's/^ *(Default) *REG_SZ *//p')
        [ "$program" != "(value not set)" ] || program=
        echo "$suffix=$program"
    done
}

# install_and_check INSTALLER SCOPE LINK: a silent install for SCOPE, its
# files, its Start-menu entries (LINK is the guide's, in the installer's
# language), its uninstall entry and its "Open with" keys, all in that scope
# and none in the other; prints the installed tool's --version.
vrk04_windows_install_and_check() {
    local installer="$1" scope="$2" guide_link="$3"
    local folder menu root
    vrk04_windows_scope "$scope"
    "$WINELOADER" "$installer" /S "/$scope"
    "$WINESERVER" -w
    local file
    for file in vrk04-setup.exe vrk04.exe Qt6Widgets.dll libstdc++-6.dll platforms/qwindows.dll \
                styles/qwindowsvistastyle.dll translations/qtbase_cs.qm Uninstall.exe \
                "${VRK04_WINDOWS_DOCUMENTS[@]}"; do
        [ -f "$folder/$file" ] || { echo "installer ($scope): $file not installed" >&2; return 1; }
    done
    # The zip's marker would make the installed program portable.
    [ ! -e "$folder/portable.txt" ] || { echo "installer: portable.txt installed" >&2; return 1; }
    for file in "Nastavení VRK-04.lnk" "$guide_link"; do
        [ -f "$menu/$file" ] || { echo "installer ($scope): no Start-menu entry $file" >&2; return 1; }
    done
    local other=CurrentUser
    [ "$scope" = AllUsers ] || other=AllUsers
    (vrk04_windows_scope "$other" && [ ! -e "$folder" ] && [ ! -e "$menu" ] &&
     ! vrk04_wine_reg query "$root\\$VRK04_WINDOWS_UNINSTALL" &&
     ! vrk04_wine_reg query "$root\\Software\\Classes\\Applications\\vrk04-setup.exe") ||
        { echo "installer ($scope): files or keys for $other as well" >&2; return 1; }
    vrk04_wine_reg query "$root\\$VRK04_WINDOWS_UNINSTALL" /v UninstallString ||
        { echo "installer ($scope): the uninstaller not registered in $root" >&2; return 1; }
    local classes="$root\\Software\\Classes" key="Applications\\vrk04-setup.exe"
    local suffix
    for suffix in .bin .json .csv; do
        vrk04_wine_reg query "$classes\\$key\\SupportedTypes" /v "$suffix" &&
            vrk04_wine_reg query "$classes\\$suffix\\OpenWithProgids" /v "$VRK04_WINDOWS_PROGID" ||
            { echo "installer ($scope): vrk04-setup.exe not offered for $suffix" >&2; return 1; }
    done
    vrk04_wine_reg query "$classes\\$VRK04_WINDOWS_PROGID\\shell\\open\\command" ||
        { echo "installer ($scope): no open command for $VRK04_WINDOWS_PROGID" >&2; return 1; }
    local version
    version=$(env -u WINEPATH "$WINELOADER" "$folder/vrk04.exe" --version | tr -d '\r')
    [[ "$version" == "vrk04 "*$'\n'"Licence: MIT" ]] || { echo "installed vrk04.exe --version: $version" >&2; return 1; }
    echo "${version%%$'\n'*}"
}

# uninstall_and_check SCOPE: the uninstaller of the install for SCOPE removes
# the folder, the licences in it, the Start-menu folder, the uninstall entry
# and the "Open with" keys.
vrk04_windows_uninstall_and_check() {
    local scope="$1"
    local folder menu root
    vrk04_windows_scope "$scope"
    "$WINELOADER" "$folder/Uninstall.exe" /S
    "$WINESERVER" -w
    [ ! -e "$folder" ] || { echo "uninstaller ($scope): $folder left behind" >&2; return 1; }
    [ ! -e "$menu" ] || { echo "uninstaller ($scope): $menu left behind" >&2; return 1; }
    local key
    for key in "$VRK04_WINDOWS_UNINSTALL" "Software\\Classes\\Applications\\vrk04-setup.exe" \
               "Software\\Classes\\$VRK04_WINDOWS_PROGID"; do
        ! vrk04_wine_reg query "$root\\$key" || { echo "uninstaller ($scope): $root\\$key left behind" >&2; return 1; }
    done
    for key in .bin .json .csv; do
        ! vrk04_wine_reg query "$root\\Software\\Classes\\$key\\OpenWithProgids" /v "$VRK04_WINDOWS_PROGID" ||
            { echo "uninstaller ($scope): $key's $VRK04_WINDOWS_PROGID left behind" >&2; return 1; }
    done
}

# install_uninstall_and_check INSTALLER SCOPE LINK: both checks, with .json
# given another program as its default, which both must leave as it is;
# prints the installed tool's --version.
vrk04_windows_install_uninstall_and_check() {
    local installer="$1" scope="$2" guide_link="$3"
    local folder menu root
    vrk04_windows_scope "$scope"
    vrk04_wine_reg add "$root\\Software\\Classes\\.json" /ve /d Other.json /f
    local defaults version
    defaults=$(vrk04_windows_defaults "$root")
    # Called in a command substitution, where set -e does not hold.
    version=$(vrk04_windows_install_and_check "$installer" "$scope" "$guide_link") || return 1
    [ "$(vrk04_windows_defaults "$root")" = "$defaults" ] ||
        { echo "installer ($scope): the default program of .bin, .json or .csv changed" >&2; return 1; }
    vrk04_windows_uninstall_and_check "$scope" || return 1
    [ "$(vrk04_windows_defaults "$root")" = "$defaults" ] ||
        { echo "uninstaller ($scope): the default program of .bin, .json or .csv changed" >&2; return 1; }
    vrk04_wine_reg delete "$root\\Software\\Classes\\.json" /f
    echo "$version"
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

    # The installer under Wine, for all users and for the current user alone:
    # a silent install into that scope's folders, a Start-menu entry and the
    # guide, the uninstaller registered, the installed tool starting with
    # nothing but what was installed beside it, "Open with" for configuration
    # files without a change of their default program, and an uninstaller
    # that removes it all. First in English (Wine's language under the C
    # locale), then in Czech.
    vrk04_wine_prepare
    local scope folder menu root
    for scope in AllUsers CurrentUser; do
        vrk04_windows_scope "$scope"
        if [ -f "$folder/Uninstall.exe" ]; then # left by a check that failed
            "$WINELOADER" "$folder/Uninstall.exe" /S
            "$WINESERVER" -w
        fi
    done
    local version
    for scope in AllUsers CurrentUser; do
        version=$(LC_ALL=C.UTF-8 vrk04_windows_install_uninstall_and_check "$installer" "$scope" Guide.lnk)
    done

    # Czech from a locale of the cache's own, so that the system's stay as they are.
    local locales="$VRK04_CACHE/locale"
    [ -d "$locales/cs_CZ.UTF-8" ] || { mkdir -p "$locales" && localedef -i cs_CZ -f UTF-8 "$locales/cs_CZ.UTF-8"; }
    (
        # For Wine; bash itself does not see LOCPATH and would warn.
        export LOCPATH="$locales" LC_ALL=cs_CZ.UTF-8 2>/dev/null
        for scope in AllUsers CurrentUser; do
            vrk04_windows_install_uninstall_and_check "$installer" "$scope" Návod.lnk >/dev/null
        done
    )
    echo "Installer checked under Wine in English and Czech, for all users and for the current user:" \
         "installs with the licences and the guide into that scope alone, offers the window for .bin," \
         ".json and .csv, $version starts, uninstalls"
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
*) sed -n '3,10s/^# \{0,1\}//p' "$0" >&2; exit 2 ;;
esac
