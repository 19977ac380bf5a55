#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing
# ValtrixSuite need; installs only what is missing. Uses sudo when not root.
set -euo pipefail

VALTRIX_PACKAGES=(
    cmake g++ make
    qtbase5-dev qtdeclarative5-dev qtquickcontrols2-5-dev
    libqt5serialport5-dev libqt5charts5-dev
    qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-layouts
    qml-module-qtquick-controls qml-module-qtquick-controls2
    qml-module-qtquick-dialogs qml-module-qtquick-extras
    qml-module-qtcharts qml-module-qttest
    fonts-freefont-ttf fonts-dejavu-core
    xvfb xauth socat poppler-utils
)

missing=()
for package in "${VALTRIX_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "These packages are missing and sudo is not available: ${missing[*]}" >&2
        echo "Install them as root, then run this script again." >&2
        exit 1
    fi
    SUDO=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update
"${SUDO[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
