#!/usr/bin/env bash
# Sets up, builds and runs every test: the normal build, then the end-to-end runs of the built
# editor twice over, then libFuzzer on the incoming-message path and the preset-file reader, then
# the same tests and one more end-to-end round under AddressSanitizer + UndefinedBehaviorSanitizer,
# then the threaded code under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

bash scripts/setup.sh

jobs="$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$root/tests/support/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$root/tests/support/tsan.supp"

run_ctest() {
    xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$1" --output-on-failure -j "$jobs" "${@:2}"
}

echo "== normal build"
bash scripts/build.sh build
run_ctest build -LE e2e

echo "== end-to-end runs of the built editor, twice over"
run_ctest build -L e2e --repeat until-fail:2

echo "== fuzzing the incoming-message path and the preset-file reader"
bash scripts/fuzz.sh

echo "== address + undefined behaviour sanitizers"
bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DQRX_SANITIZE=address -DQRX_BUILD_APP=ON
run_ctest build-asan -LE e2e

echo "== end-to-end runs of the sanitized editor (a report it makes fails the case)"
run_ctest build-asan -L e2e

echo "== thread sanitizer (MIDI, emulator, engine and the windows with threads)"
BUILD_TARGETS="model_tests midi_tests emulator_tests engine_tests windows_tests" \
    bash scripts/build.sh build-tsan -DCMAKE_BUILD_TYPE=Debug -DQRX_SANITIZE=thread -DQRX_BUILD_APP=OFF
run_ctest build-tsan -L "^(model|midi|emulator|engine|windows)$"
