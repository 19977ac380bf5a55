#!/usr/bin/env bash
# Installs what building, running and testing ValtrixSuite needs on Debian 12,
# skipping what is already there. Uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake g++ make git pkg-config clang-14 libclang-rt-14-dev
    qtbase5-dev qtdeclarative5-dev qtquickcontrols2-5-dev libqt5serialport5-dev libqt5charts5-dev
    qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-layouts
    qml-module-qtquick-controls qml-module-qtquick-controls2 qml-module-qtquick-dialogs
    qml-module-qtquick-extras qml-module-qtcharts qml-module-qttest
    fonts-freefont-ttf fonts-dejavu-core
    xvfb xauth socat poppler-utils
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
