#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from the built programs, checks its file list and
# its Depends, unpacks it and runs the unpacked programs' --version; then runs
# lintian on it when lintian is installed: an error or a copyright warning fails.
# check-deb.sh CPACK BUILD_DIR PACKAGE VERSION APP_ID
set -euo pipefail
cpack="$1" build="$2" package="$3" version="$4" app_id="$5"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && "$cpack" -G DEB -B "$work" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb="$work/${package}_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$work")"

expected="./usr/bin/vrk04
./usr/bin/vrk04-setup
./usr/share/applications/$app_id.desktop
./usr/share/doc/$package/README.md
./usr/share/doc/$package/changelog.gz
./usr/share/doc/$package/copyright
./usr/share/doc/$package/vrk04-config.schema.json
./usr/share/doc/$package/examples/99-vrk04-ftdi-latency.rules
./usr/share/icons/hicolor/scalable/apps/$app_id.svg
./usr/share/man/cs/man1/vrk04-setup.1.gz
./usr/share/man/cs/man1/vrk04.1.gz
./usr/share/man/man1/vrk04-setup.1.gz
./usr/share/man/man1/vrk04.1.gz
./usr/share/metainfo/$app_id.metainfo.xml
./usr/share/mime/packages/$app_id.xml"
files="$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort)"
[ "$files" = "$(LC_ALL=C sort <<<"$expected")" ] ||
    fail "file list differs from the expected one:
$(diff <(LC_ALL=C sort <<<"$expected") <(echo "$files") || true)"

depends="$(dpkg-deb -f "$deb" Depends)"
for needed in qt6-qpa-plugins qt6-translations-l10n fonts-dejavu-core libqt6widgets6 libqt6serialport6 libc6; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

dpkg-deb -x "$deb" "$work/root"
for program in vrk04 vrk04-setup; do
    output="$("$work/root/usr/bin/$program" --version)" || fail "$program --version failed"
    [ "$output" = "$program $version"$'\n'"Licence: MIT" ] || fail "$program --version said: $output"
done

if command -v lintian >/dev/null; then
    # Tags: E: errors, W: warnings, I: and N: information.
    tags="$(lintian "$deb" 2>&1)" || true
    if grep -E '^E: |^W: .*copyright' <<<"$tags"; then
        fail "lintian: $(grep -c '^E: ' <<<"$tags" || true) errors"
    fi
    echo "lintian: $(grep -c '^W: ' <<<"$tags" || true) warnings, no error"
else
    echo "lintian not installed: not run"
fi
echo "$(basename "$deb"): $(wc -l <<<"$files") files, Depends: $depends"
