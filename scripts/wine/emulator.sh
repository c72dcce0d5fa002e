#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# ctest's CMAKE_CROSSCOMPILING_EMULATOR (QT_BIN PROGRAM ARGS...): runs a Windows
# test program under the project's Wine with the Qt DLLs of QT_BIN. QtTest's
# output reaches ctest only through a file here, and Qt's variables only with
# Wine's WINE prefix (which Wine strips).
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../common.sh"
source "$VRK04_ROOT/scripts/wine/wine.sh"
vrk04_wine_prepare

# The Qt DLLs and the MinGW runtime are found through Windows' PATH.
vrk04_wine_dll_path "$1"
program="$2"
shift 2
for name in QT_QPA_PLATFORM QT_NO_GLIB; do
    [ -n "${!name:-}" ] && export "WINE$name=${!name}"
done
# Qt's offscreen platform on Windows reads fonts from files, by default from
# a folder Qt does not ship: give it the DejaVu fonts (fonts-dejavu-core) that
# the Linux suites measure with.
export WINEQT_QPA_FONTDIR="$(winepath_of /usr/share/fonts/truetype/dejavu)"
case "$(basename "$program")" in
tst_*)
    out=$(mktemp --suffix=.txt)
    "$WINELOADER" "$program" -o "$(winepath_of "$out"),txt" "$@"
    status=$?
    cat "$out"
    rm -f "$out"
    exit $status
    ;;
*) exec "$WINELOADER" "$program" "$@" ;;
esac
