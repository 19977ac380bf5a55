#!/usr/bin/env bash
# Walks the application's scene tests (tests/tst_*app.cpp) on a virtual X
# display, where the pages and windows are drawn as on a desktop, and keeps
# the screenshots they take in [folder] (default screenshots/), one folder
# per screen size: every walk runs on an 800x600 screen and on a 1280x800 one,
# its main window filling the screen. Uses the build-tests/ build of
# scripts/run-tests.sh, building the walks first.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(mkdir -p "${1:-$root/screenshots}" && cd "${1:-$root/screenshots}" && pwd)"
jobs="${VALTRIX_JOBS:-3}"

cd "$root"
bash scripts/install-deps.sh
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DVALTRIX_BUILD_APP=ON >/dev/null
walks=()
for source in tests/tst_*app.cpp; do
    walks+=("$(basename "$source" .cpp)")
done
cmake --build build-tests -j "$jobs" --target "${walks[@]}"

# The walk of long runs takes its pictures only when asked, being slow.
export QT_QPA_PLATFORM=xcb QT_QUICK_BACKEND=software VALTRIX_SYSTEM_PORTS=0 VALTRIX_LONG_RUN_SHOTS=1
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
status=0
for size in 800x600 1280x800; do
    mkdir -p "$out/$size"
    cd "$out/$size"
    for walk in "${walks[@]}"; do
        # The long-run walk sets its window sizes itself, from the desktop's.
        if [[ "$walk" == tst_longrunapp && "$size" != 1280x800 ]]; then
            continue
        fi
        VALTRIX_SCENE_SIZE="$size" xvfb-run -a -s "-screen 0 ${size}x24" \
            "$root/build-tests/tests/$walk" || status=1
    done
done
ls "$out"/*/*.png
exit "$status"
