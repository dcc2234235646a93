#!/usr/bin/env bash
# Fails when any C++ source differs from .clang-format's style, naming the files.
set -euo pipefail
cd "$(dirname "$0")/.."
bad=()
while IFS= read -r f; do
    [ -f "$f" ] || continue
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done < <(git ls-files '*.cpp' '*.h')
if [ ${#bad[@]} -gt 0 ]; then
    echo "Not formatted (run clang-format -i):"
    printf '  %s\n' "${bad[@]}"
    exit 1
fi
echo "Formatting: clean"
