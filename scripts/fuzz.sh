#!/usr/bin/env bash
# fuzz.sh [seconds]: builds the libFuzzer targets with clang (address and undefined-behaviour
# sanitizers on) in build-fuzz and runs each for a bounded time, 60 s unless told otherwise.
# Fails on any crash, time-out, leak or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
seconds="${1:-${QRX_FUZZ_SECONDS:-60}}"

bash scripts/setup.sh

dir=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQRX_SANITIZE=address -DQRX_FUZZ=ON -DQRX_BUILD_APP=OFF >/dev/null
targets=(IncomingMessageFuzzer PresetFileFuzzer)
cmake --build "$dir" --parallel "$(nproc)" --target "${targets[@]}"

# Short allocation stacks: recording deep ones costs more than the code under test.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:malloc_context_size=4"
export LSAN_OPTIONS="suppressions=$root/tests/support/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# Seeds: the stored default preset dump, an acknowledgement and a parameter reply.
seeds="$dir/fuzz-seeds"
mkdir -p "$seeds"
cp resources/DefaultPreset.syx "$seeds/dump"
printf '\xf0\x47\x00\x35\x11\x00\x00\x00\x00\xf7' >"$seeds/acknowledgement"
printf '\xf0\x47\x00\x35\x34\x00\x0e\x0b\x00\x01\x01\x02\x03\x01\x01\x01\x04\x00\x02\x0a\x03\xf7' >"$seeds/parameters"

status=0
for target in "${targets[@]}"; do
    corpus="$dir/fuzz-corpus/$target"
    mkdir -p "$corpus"
    echo "== fuzzing $target for ${seconds}s"
    if ! "$dir/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$dir/fuzz-artifacts-$target-" "$corpus" "$seeds"; then
        echo "!! $target failed"
        status=1
    fi
done
exit $status
