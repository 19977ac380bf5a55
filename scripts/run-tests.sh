#!/usr/bin/env bash
# Builds ValtrixSuite and runs every test twice: once in a normal build and
# once in a build with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer; then builds the fuzz targets with clang and runs
# each briefly over its corpus (VALTRIX_FUZZ_SECONDS each, default 10). Does
# all set-up on a fresh Debian 12 machine.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh

# VALTRIX_JOBS caps the build and test parallelism on a shared machine. One
# test more than there are jobs keeps the cores busy while a test waits out a
# silenced link or a scene's pause.
jobs="${VALTRIX_JOBS:-$(nproc)}"
test_jobs=$(( jobs + 1 > 4 ? 4 : jobs + 1 ))

export QT_QPA_PLATFORM=offscreen
export QT_QUICK_BACKEND=software
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

# Without a compiler cache (a fresh machine) every build parses Qt's headers
# once per target instead of once per source file.
precompiled=OFF
if ! command -v ccache >/dev/null || [ -n "${CCACHE_DISABLE:-}" ]; then
    precompiled=ON
fi

status=0

echo "=== Build and test (debug) ==="
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DVALTRIX_BUILD_APP=ON \
    -DVALTRIX_PRECOMPILED_HEADERS="$precompiled" >/dev/null
cmake --build build-tests -j "$jobs"
(cd build-tests && ctest --output-on-failure -j "$test_jobs") || status=1

echo "=== Build and test (AddressSanitizer, LeakSanitizer, UndefinedBehaviorSanitizer) ==="
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVALTRIX_SANITIZE=ON \
    -DVALTRIX_BUILD_APP=OFF -DVALTRIX_BUILD_BENCH=OFF -DVALTRIX_PRECOMPILED_HEADERS="$precompiled" >/dev/null
cmake --build build-sanitize -j "$jobs"
# Allocations record their stacks with the frame-pointer unwinder. Full
# unwinding of every allocation made the scene tests three to four times
# slower, and the platform plugins' leaks that tests/lsan.supp leaves out are
# still traced to the plugin: it calls the allocator itself, so the first
# frame is the plugin's. The runtime's own bookkeeping
# of dynamic thread-local blocks is off: on this glibc it guesses a block's
# size from the bytes before it, and a block that the heap happens to place
# 16 bytes into a page gets a size of gigabytes, which crashes the leak check
# at exit. The blocks are ordinary heap blocks that the leak check reaches
# through the thread's own data all the same.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0:intercept_tls_get_addr=0"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd build-sanitize && ctest --output-on-failure -j "$test_jobs") || status=1

echo "=== Fuzz targets (clang; a short run of each over its corpus) ==="
VALTRIX_JOBS="$jobs" bash scripts/run-fuzzers.sh "${VALTRIX_FUZZ_SECONDS:-10}" || status=1

if [ "$status" -ne 0 ]; then
    echo "Some tests failed."
fi
exit "$status"
