#!/usr/bin/env bash
# Builds the benchmarks (optimised) and runs each one, printing its figures.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVALTRIX_BUILD_APP=OFF >/dev/null
cmake --build build-bench -j "$(nproc)"
for bench in build-bench/bench/bench_*; do
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    echo "=== $(basename "$bench") ==="
    "$bench"
done
