#!/usr/bin/env bash
# build.sh <build-dir> [cmake options...]: configures and builds one tree.
# BUILD_TARGETS, when set, names the only targets to build (space separated).
set -euo pipefail
cd "$(dirname "$0")/.."

dir="$1"
shift
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
# shellcheck disable=SC2086
cmake --build "$dir" --parallel "$(nproc)" ${BUILD_TARGETS:+--target $BUILD_TARGETS}
