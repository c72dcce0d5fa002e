#!/usr/bin/env bash
# Installs what is missing, builds and runs every test; then builds and runs
# them again under AddressSanitizer and UndefinedBehaviorSanitizer
# (VRK04_SANITIZE=0 skips that second pass).
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"
vrk04_install_missing "${VRK04_TEST_PACKAGES[@]}"

vrk04_build "$VRK04_ROOT/build"
(cd "$VRK04_ROOT/build" && ctest --output-on-failure --parallel 2)

if [ "${VRK04_SANITIZE:-1}" != 0 ]; then
    vrk04_build "$VRK04_ROOT/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DVRK04_SANITIZE=ON
    (cd "$VRK04_ROOT/build-sanitize" &&
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
            ctest --output-on-failure --parallel 2)
fi
