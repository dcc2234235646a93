#!/usr/bin/env bash
# Sets up, builds and starts the editor; any arguments (a preset file) are passed on.
set -euo pipefail
caller="$PWD" # a relative preset path names a file from where the user is
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh build

app="$(find build/app -type f -name 'QRX571 Editor' -perm -u+x 2>/dev/null | head -n 1)"
if [ -z "$app" ]; then
    echo "The editor application is not built yet; the libraries were built in ./build."
    exit 0
fi
app="$PWD/$app"
cd "$caller"
exec "$app" "$@"
