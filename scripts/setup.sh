#!/usr/bin/env bash
# Installs what building and testing the editor needs on a fresh Debian 12 machine.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config ccache clang clang-format libclang-rt-14-dev
    juce-modules-source
    libasound2-dev libfreetype-dev libfontconfig1-dev libpng-dev libjpeg-dev
    libx11-dev libxtst-dev libxrandr-dev libxinerama-dev libxcursor-dev libxcomposite-dev libxext-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth fonts-dejavu-core
    xdotool imagemagick tesseract-ocr tesseract-ocr-eng x11-utils metacity wmctrl # end-to-end runs
    python3-reportlab # typesets the user guide
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
