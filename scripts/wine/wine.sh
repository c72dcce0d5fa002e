# SPDX-License-Identifier: MIT
# The project's Wine: Debian's Wine 8.0 with ntdll.so rebuilt from Debian's
# wine source and the patches beside this file. Sourced, not run; needs
# VRK04_ROOT and vrk04_install_missing from scripts/common.sh.

VRK04_CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/vrk04"
VRK04_WINE_VERSION=8.0~repack-4
# Wine without the drivers and libraries that ntdll.so does not use.
VRK04_WINE_CONFIGURE=(--enable-win64 --disable-tests --without-mingw
    --libdir=/usr/lib/x86_64-linux-gnu/wine --bindir=/usr/lib/wine --datarootdir=/usr/share/wine
    --without-x --without-freetype --without-fontconfig --without-unwind --without-gnutls
    --without-vulkan --without-opengl --without-osmesa --without-opencl --without-alsa
    --without-pulse --without-oss --without-coreaudio --without-gstreamer --without-cups
    --without-dbus --without-sane --without-gphoto --without-netapi --without-usb --without-v4l2
    --without-pcap --without-krb5 --without-gssapi --without-sdl --without-udev --without-capi
    --without-inotify)

# The folder of the project's Wine for the current patches; built when missing.
vrk04_wine_root() {
    local key
    key=$( (echo "$VRK04_WINE_VERSION ${VRK04_WINE_CONFIGURE[*]}"
            cat "$VRK04_ROOT"/scripts/wine/*.patch "$VRK04_ROOT/scripts/wine/stub-generated.py") |
           sha256sum | cut -c1-16)
    local dir="$VRK04_CACHE/wine-$key"
    if [ ! -f "$dir/.complete" ]; then
        vrk04_wine_build "$dir" >&2
    fi
    echo "$dir"
}

# vrk04_wine_build DIR: fetches Debian's wine source (without touching the
# system's apt lists), patches it, builds ntdll.so and lays out a private
# Wine in DIR that uses the system's for everything else.
vrk04_wine_build() {
    local dir="$1" sources="$VRK04_CACHE/wine-source"
    local started=$SECONDS
    vrk04_install_missing "${VRK04_WINE_BUILD_PACKAGES[@]}"
    echo "Building the project's Wine (ntdll.so with scripts/wine/*.patch) in $dir"
    vrk04_debian_source wine "$VRK04_WINE_VERSION" "$sources"
    rm -rf "$dir" && mkdir -p "$dir"
    dpkg-source -x "$sources/wine_$VRK04_WINE_VERSION.dsc" "$dir/src" >/dev/null
    (
        cd "$dir/src"
        for patch in "$VRK04_ROOT"/scripts/wine/*.patch; do
            patch -p1 --quiet <"$patch"
        done
        # What Debian's package build generates before configure.
        ./debian/scripts/generate server/trace.generated make_requests
        ./debian/scripts/generate server/request.generated make_requests
        ./tools/make_requests >/dev/null
        ln -sf /usr/share/autoconf/build-aux/config.sub /usr/share/autoconf/build-aux/config.guess tools/
        grep -P '^\tln -sf \.\./' debian/rules | sed 's/^\t//' | sh
        python3 "$VRK04_ROOT/scripts/wine/stub-generated.py" >/dev/null
        autoconf && autoheader
        ./configure -C "${VRK04_WINE_CONFIGURE[@]}" >configure.out 2>&1 || { tail -20 configure.out; exit 1; }
        VENDOR="Debian $VRK04_WINE_VERSION" make -j"$(nproc 2>/dev/null || echo 2)" \
            dlls/ntdll/ntdll.so >make.out 2>&1 || { tail -20 make.out; exit 1; }
    )
    # The loader finds ntdll.so next to its own real path, and ntdll.so finds
    # the rest next to itself: copy the loader, link everything else.
    local lib=usr/lib/x86_64-linux-gnu/wine
    mkdir -p "$dir/root/usr/lib/wine" "$dir/root/$lib/x86_64-unix" "$dir/root/usr/share"
    cp /usr/lib/wine/wine64 "$dir/root/usr/lib/wine/"
    ln -s /usr/lib/wine/wineserver64 "$dir/root/usr/lib/wine/wineserver"
    ln -s "/$lib/x86_64-windows" "$dir/root/$lib/x86_64-windows"
    ln -s /usr/share/wine "$dir/root/usr/share/wine"
    local so
    for so in "/$lib/x86_64-unix"/*; do
        ln -s "$so" "$dir/root/$lib/x86_64-unix/"
    done
    rm "$dir/root/$lib/x86_64-unix/ntdll.so"
    cp "$dir/src/dlls/ntdll/ntdll.so" "$dir/root/$lib/x86_64-unix/"
    rm -rf "$dir/src"
    touch "$dir/.complete"
    # Wines built from earlier patches, with their prefixes.
    find "$VRK04_CACHE" -maxdepth 1 -name 'wine-????????????????' ! -path "$dir" -exec rm -rf {} +
    echo "The project's Wine built in $((SECONDS - started)) s"
}

# vrk04_debian_source PACKAGE VERSION FOLDER: downloads a Debian source
# package into FOLDER, once, through a deb-src entry and package lists of its
# own: the system's apt sources and lists stay as they are.
vrk04_debian_source() {
    local package="$1" version="$2" folder="$3"
    [ -f "$folder/${package}_$version.dsc" ] && return 0
    mkdir -p "$folder/parts" "$folder/lists/partial"
    {
        echo "Types: deb-src"
        sed -n '/^URIs:/{p;q}' /etc/apt/sources.list.d/debian.sources
        echo "Suites: bookworm"
        echo "Components: main"
        sed -n '/^Signed-By:/{p;q}' /etc/apt/sources.list.d/debian.sources
    } >"$folder/parts/src.sources"
    local apt=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$folder/parts"
               -o Dir::State::Lists="$folder/lists")
    apt-get "${apt[@]}" update -qq
    (cd "$folder" && apt-get "${apt[@]}" source --download-only -qq "$package=$version")
}

# Sets WINELOADER, WINEPREFIX and friends for the project's Wine, building it
# and its prefix (kept with it in the cache) when missing.
vrk04_wine_prepare() {
    local root
    root=$(vrk04_wine_root)
    export WINELOADER="$root/root/usr/lib/wine/wine64"
    export WINESERVER="$root/root/usr/lib/wine/wineserver"
    export WINEPREFIX="${VRK04_WINEPREFIX:-$root/prefix}"
    export WINEARCH=win64 WINEDEBUG="${WINEDEBUG:--all}"
    # No Mono or Gecko installer dialogs when the prefix is made.
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Making the Wine prefix $WINEPREFIX" >&2
        "$WINELOADER" wineboot --init >/dev/null 2>&1
        "$WINESERVER" -w
    fi
}

# Maps COM1..COM256 as the Linux build maps them: COMk to the device named in
# VRK04_COMk; COM1..COM6 without one to a device that does not exist (a port
# mapped to a missing /dev/ttyS* hangs a scan in WaitCommEvent); a higher one
# without one loses what an earlier run mapped. The variables are then
# removed: the Windows program itself opens "COMk".
vrk04_wine_map_ports() {
    local reg="$WINEPREFIX/vrk04-ports.reg" k device
    {
        printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Ports]\r\n'
        for k in $(seq 1 256); do
            device="VRK04_COM$k"
            device="${!device:-}"
            if [ "$k" -le 6 ] || [ -n "$device" ]; then
                printf '"COM%s"="%s"\r\n' "$k" "$device"
            else
                printf '"COM%s"=-\r\n' "$k" # no value at all: no port listed
            fi
            unset "VRK04_COM$k"
        done
    } >"$reg"
    "$WINELOADER" regedit /S "$(winepath_of "$reg")" >/dev/null 2>&1
    # mountmgr reads the mapping when a Wine session starts.
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w
}

# vrk04_wine_dll_path QT_BIN: Windows' PATH finds the Qt DLLs in QT_BIN
# (their plugins beside them) and the MinGW runtime where MinGW keeps it.
vrk04_wine_dll_path() {
    WINEPATH="$(winepath_of "$1")"
    local dll
    for dll in libstdc++-6.dll libwinpthread-1.dll; do
        WINEPATH+=";$(winepath_of "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)")")"
    done
    export WINEPATH
}

# The Windows path of a Linux path (drive Z: is the root).
winepath_of() {
    echo "Z:${1//\//\\}"
}
