#!/usr/bin/env bash
# Sets up a fresh Debian 12 for ValtrixSuite, builds it in build/ and starts
# it. Arguments are passed to the application.
set -euo pipefail

SOURCE_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="$SOURCE_DIR/build"

"$SOURCE_DIR/scripts/install-deps.sh"

cmake -S "$SOURCE_DIR" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release
cmake --build "$BUILD_DIR" --target valtrixsuite -j"$(nproc)"

APP="$BUILD_DIR/valtrixsuite"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<MSG
ValtrixSuite is built: $APP
There is no display here (DISPLAY and WAYLAND_DISPLAY are not set). Start it on
a virtual display with:
    xvfb-run -a -s "-screen 0 1280x800x24" $APP
MSG
    exit 2
fi
exec "$APP" "$@"
