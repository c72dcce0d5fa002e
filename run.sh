#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds and starts the program.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"
vrk04_install_missing
vrk04_build "$VRK04_ROOT/build"
if [ "$(uname)" = Linux ] && [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: start the program from a desktop session (or under xvfb-run)." >&2
fi
exec "$VRK04_ROOT/build/app/vrk04-setup" "$@"
