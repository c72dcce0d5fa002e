#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for
# VRK04_FUZZ_SECONDS (default 30) from its seed corpus, copied to a scratch
# folder so the repository stays as it is. A crash, a sanitizer report or a
# hang fails the run; its reproducer stays in build-fuzz/crashes/<target>/.
set -euo pipefail
source "$(dirname "$0")/common.sh"

build="$VRK04_ROOT/build-fuzz"
seeds="$VRK04_ROOT/tests/fuzz"
seconds="${VRK04_FUZZ_SECONDS:-30}"

# target, seed corpus, dictionary (or -)
targets=(
    "fuzz_decode     corpus/image -"
    "fuzz_roundtrip  corpus/image -"
    "fuzz_image_text corpus/text  image_text.dict"
    "fuzz_image_file corpus/image -"
    "fuzz_config_text corpus/config-text config_text.dict"
)

vrk04_build "$build" -DVRK04_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$build/logs"
# fuzz_one TARGET CORPUS DICT: one target for its time; its summary goes to
# $scratch/TARGET.result, and a failure leaves TARGET.failed beside it.
fuzz_one() {
    local target="$1" corpus="$2" dict="$3"
    mkdir -p "$scratch/$target" "$build/crashes/$target"
    cp "$seeds/$corpus"/* "$scratch/$target/"
    local options=(-max_total_time="$seconds" -timeout=10 -max_len=4096 -print_final_stats=1
                   -artifact_prefix="$build/crashes/$target/")
    [ "$dict" = - ] || options+=(-dict="$seeds/$dict")
    local log="$build/logs/$target.log"
    if timeout "$((seconds + 120))" "$build/tests/fuzz/$target" "${options[@]}" "$scratch/$target" >"$log" 2>&1; then
        local runs
        runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
        echo "$target: ${runs:-?} executions in ${seconds} s" >"$scratch/$target.result"
    else
        local reproducer
        reproducer="$(sed -n 's/.*Test unit written to //p' "$log" | tail -n 1)"
        {
            tail -n 40 "$log"
            echo "$target: FAILED; reproducer: ${reproducer:-none written}; full log: $log"
            [ -z "$reproducer" ] || echo "  replay: $build/tests/fuzz/$target $reproducer"
        } >"$scratch/$target.result"
        touch "$scratch/$target.failed"
    fi
}

# Two targets at a time, one to a core: each still gets its full time.
names=()
for entry in "${targets[@]}"; do
    read -r target corpus dict <<<"$entry"
    names+=("$target")
    fuzz_one "$target" "$corpus" "$dict" &
    [ "$(jobs -rp | wc -l)" -lt 2 ] || wait -n || true
done
wait

failed=()
for target in "${names[@]}"; do
    if [ -e "$scratch/$target.failed" ]; then
        cat "$scratch/$target.result" >&2
        failed+=("$target")
    else
        cat "$scratch/$target.result"
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "Fuzzing failed: ${failed[*]}" >&2
    exit 1
fi
