#!/usr/bin/env bash
# startup-bench.sh [runs]: times the editor's start against a bare JUCE window of the same size,
# alternating the two on an X server of their own, and prints time to first window and peak memory.
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${1:-20}"
bash scripts/setup.sh
BUILD_TARGETS="BareWindow StartupBench qrx571_editor" bash scripts/build.sh build

editor="$(find build/app -type f -name 'QRX571 Editor' -perm -u+x | head -n 1)"
bare="$(find build/tests/bench/startup -type f -name 'Bare Window' -perm -u+x | head -n 1)"
xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/bench/startup/StartupBench "$runs" "editor=$editor" "bare=$bare"
