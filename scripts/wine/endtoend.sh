#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows tool end to end: vrk04.exe under the project's Wine, on COM1
# mapped to the pseudo-terminal of the Linux module simulator. Tests the link,
# reads the image (byte for byte what the Linux tool reads; its table printed
# with Windows line ends, in UTF-8), writes a changed image with verify (the
# simulator must store exactly it), verifies it, and verifies a file with a
# planted difference (exit code 3, its address named).
#
#   endtoend.sh VRK04_SIM LINUX_VRK04
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
sim="$1" linux_tool="$2"
work=$(mktemp -d)
sim_pid=
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    cat "$work/err.txt" >&2 2>/dev/null || true
    echo "Windows end to end: FAILED: $*" >&2
    exit 1
}

# windows_tool ARGS...: vrk04.exe on COM1, on a Czech Windows as the
# technicians' are; its exit code in $status.
windows_tool() {
    status=0
    LANG=cs_CZ.UTF-8 LC_ALL= VRK04_COM1="$pty" "$root/scripts/windows.sh" run vrk04.exe "$@" --port COM1 \
        >"$work/out.txt" 2>"$work/err.txt" || status=$?
}

# A position in the fill after the decoded part, changed in place: the image
# stays a configuration image.
plant() {
    local file="$1" offset="$2" byte="$3"
    printf "\\x$byte" | dd of="$file" bs=1 seek="$offset" conv=notrunc status=none
}

"$sim" --save "$work/stored.bin" >"$work/sim.txt" 2>&1 &
sim_pid=$!
for _ in $(seq 100); do
    pty=$(head -n1 "$work/sim.txt" 2>/dev/null)
    [ -n "$pty" ] && break
    sleep 0.1
done
[ -n "$pty" ] || fail "the simulator gave no device"

windows_tool test
[ "$status" -eq 0 ] || fail "test: exit code $status"

started=$SECONDS
windows_tool read "$work/windows.bin"
[ "$status" -eq 0 ] || fail "read: exit code $status"
read_seconds=$((SECONDS - started))
"$linux_tool" read --port "$pty" "$work/linux.bin" >/dev/null 2>&1 || fail "the Linux tool did not read"
cmp "$work/windows.bin" "$work/linux.bin" || fail "read: the image differs from the Linux tool's"
# The table it prints: Windows line ends, Czech in UTF-8 (what the console is told).
grep -q $'^Výchozí stavy: .*\r$' "$work/out.txt" || fail "read: the table is not in UTF-8 with CRLF line ends"

cp "$work/windows.bin" "$work/changed.bin"
plant "$work/changed.bin" 1000 00
started=$SECONDS
windows_tool write "$work/changed.bin"
[ "$status" -eq 0 ] || fail "write: exit code $status"
write_seconds=$((SECONDS - started))
cmp "$work/changed.bin" "$work/stored.bin" || fail "write: the module stored other bytes"

windows_tool verify "$work/changed.bin"
[ "$status" -eq 0 ] || fail "verify: exit code $status"

cp "$work/changed.bin" "$work/planted.bin"
plant "$work/planted.bin" 1500 41
windows_tool verify "$work/planted.bin"
[ "$status" -eq 3 ] || fail "verify with a planted difference: exit code $status, not 3"
grep -q "pozice 1501" "$work/err.txt" "$work/out.txt" ||
    fail "verify with a planted difference: the address is not named"

echo "Windows end to end: test, read ($read_seconds s), write with verify ($write_seconds s)," \
     "verify and a planted difference passed"
