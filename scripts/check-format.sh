#!/usr/bin/env bash
# Fails when any C++ source differs from .clang-format's style.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run --Werror
