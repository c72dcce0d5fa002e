#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds and runs every test; then builds and runs
# them again under AddressSanitizer and UndefinedBehaviorSanitizer
# (VRK04_SANITIZE=0 skips that second pass); then runs each fuzz target for
# VRK04_FUZZ_SECONDS (default 30) when clang is there (VRK04_FUZZ=0 skips it);
# then builds the Windows programs and tests them under Wine (VRK04_WINDOWS=0
# skips that).
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"
packages=("${VRK04_TEST_PACKAGES[@]}")
[ "${VRK04_FUZZ:-1}" = 0 ] || packages+=("${VRK04_FUZZ_PACKAGES[@]}")
vrk04_install_missing "${packages[@]}"

vrk04_build "$VRK04_ROOT/build"
# Three suites at a time on two cores: the end-to-end ones mostly wait for the
# simulated module's paced line.
(cd "$VRK04_ROOT/build" && ctest --output-on-failure --parallel 3)

if [ "${VRK04_SANITIZE:-1}" != 0 ]; then
    vrk04_build "$VRK04_ROOT/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DVRK04_SANITIZE=ON
    (cd "$VRK04_ROOT/build-sanitize" &&
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
            ctest --output-on-failure --parallel 3)
fi

if [ "${VRK04_FUZZ:-1}" != 0 ]; then
    if command -v clang++ >/dev/null; then
        "$VRK04_ROOT/scripts/fuzz.sh"
    else
        echo "clang++ not found: fuzz targets skipped" >&2
    fi
fi

# The Windows programs, cross-built with MinGW-w64: their suites and the tool
# end to end under Wine, then the installer and the zip (scripts/windows.sh).
# VRK04_WINDOWS=0 skips them; they need Qt for Windows from ../shared/toolchains.
if [ "${VRK04_WINDOWS:-1}" != 0 ]; then
    if [ -d "$VRK04_ROOT/../shared/toolchains" ]; then
        "$VRK04_ROOT/scripts/windows.sh" test
        "$VRK04_ROOT/scripts/windows.sh" package
    else
        echo "../shared/toolchains not found: the Windows stage skipped" >&2
    fi
fi
