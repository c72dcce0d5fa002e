# SPDX-License-Identifier: MIT
# Shared by run.sh, test.sh and demo.sh: installs what is missing and builds.
# Sourced, not run.

VRK04_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# qt6-tools-dev and qt6-l10n-tools build the catalogues; qt6-translations-l10n
# holds Qt's own Czech texts (dialogs, buttons, the command-line parser).
VRK04_PACKAGES=(qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
                cmake g++ make fonts-dejavu-core)
# clang with its libFuzzer and sanitizer runtimes, for the fuzz targets.
VRK04_FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# What the tests of the desktop entry, the metainfo, the manual pages and the
# Debian package run: validators, man, dpkg-shlibdeps (dpkg-dev), which
# CPack calls on the ELF files that `file` finds, and lintian; poppler-utils
# reads the customer's sheet back.
VRK04_TEST_PACKAGES=(desktop-file-utils appstream man-db dpkg-dev file lintian poppler-utils)
# The Windows programs (scripts/windows.sh): MinGW-w64 with the posix thread
# model, Wine to run them, NSIS for the installer, Ninja, Qt's Czech texts.
VRK04_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 nsis ninja-build qt6-translations-l10n)
# What rebuilding the project's Wine's ntdll.so needs (scripts/wine/wine.sh).
VRK04_WINE_BUILD_PACKAGES=(libwine autoconf bison flex gcc make perl dpkg-dev)

# vrk04_install_missing [more packages...]: VRK04_PACKAGES and the ones given.
vrk04_install_missing() {
    local missing=()
    for p in "${VRK04_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if ! command -v apt-get >/dev/null; then
        echo "Missing: ${missing[*]}. Install Qt 6.4+ (Widgets, Serial Port, Test), CMake 3.25+ and a C++20 compiler, then build with cmake." >&2
        return 1
    fi
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# vrk04_build DIR [cmake options...]
vrk04_build() {
    local dir="$1"
    shift
    # ccache, where installed, serves rebuilds from any checkout of the
    # project: paths below the checkout are hashed relative to it.
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$VRK04_ROOT"
    local werror=()
    [ "${CI:-}" = true ] && werror=(-DVRK04_WERROR=ON)
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$VRK04_ROOT" -B "$dir" -G "Unix Makefiles" "${launcher[@]}" "${werror[@]}" "$@" >/dev/null
    elif [ ${#werror[@]} -gt 0 ]; then
        cmake "$dir" "${werror[@]}" >/dev/null
    fi
    cmake --build "$dir" --parallel "$(nproc 2>/dev/null || echo 2)"
}
