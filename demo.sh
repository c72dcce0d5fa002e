#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Tries the program without a module: installs what is missing, builds, starts
# the module simulator on a pseudo-terminal and the program with COM1 mapped
# to it; the simulator stops when the program ends. The simulated module keeps
# what is written to it in build/demo-module.bin. Arguments go to the
# simulator (build/tools/vrk04-sim --help), e.g. ./demo.sh --latency 16
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"
vrk04_install_missing
vrk04_build "$VRK04_ROOT/build"

sim_output="$(mktemp)"
"$VRK04_ROOT/build/tools/vrk04-sim" --image "$VRK04_ROOT/build/demo-module.bin" "$@" >"$sim_output" &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; rm -f "$sim_output"' EXIT

device=""
for _ in $(seq 100); do
    device="$(head -n 1 "$sim_output")"
    [ -n "$device" ] && break
    kill -0 "$sim_pid" 2>/dev/null || { echo "The module simulator did not start." >&2; exit 1; }
    sleep 0.1
done
[ -n "$device" ] || { echo "The module simulator did not report its device." >&2; exit 1; }

echo "Simulated VRK-04 on $device, also as COM1: choose COM1 (or type $device into \"Jiný port\" and press Enter), press TEST, then PC <- VRK-04."
echo "For a series of modules (\"Série…\"): kill -USR1 $sim_pid switches the module off, and the next one on."
VRK04_COM1="$device" "$VRK04_ROOT/build/app/vrk04-setup"
