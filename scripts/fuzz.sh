#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and libFuzzer and runs each for a bounded time (60 s each
# unless given: scripts/fuzz.sh SECONDS), starting from the committed corpus in fuzz/corpus.
# Fails on the first finding; the input that found it is left in build/fuzz/findings.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
build="$root/build/fuzz"
targets=(fuzz_text fuzz_records)

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DQUILORA_FUZZ=ON -DQUILORA_BUILD_TESTS=OFF -DQUILORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target "${targets[@]}"

# The targets write their files below TMPDIR: a scratch folder in memory, removed afterwards.
scratch=$(mktemp -d "$( [[ -d /dev/shm && -w /dev/shm ]] && echo /dev/shm || echo /tmp )/quilora-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$build/findings"

for target in "${targets[@]}"; do
    echo "== $target: $seconds s"
    # New inputs the fuzzer finds go to a scratch corpus; the committed seeds stay as they are.
    work="$scratch/corpus-$target"
    mkdir -p "$work"
    "$build/fuzz/$target" "$work" "$root/fuzz/corpus/$target" -max_total_time="$seconds" \
        -max_len=16384 -timeout=10 -rss_limit_mb=3072 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$target-" 2>"$scratch/$target.log" || {
        tail -n 60 "$scratch/$target.log"
        echo "$target found a fault; its input is in $build/findings" >&2
        exit 1
    }
    grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss_mb)' \
        "$scratch/$target.log" || true
done
