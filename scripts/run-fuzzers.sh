#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz/ with clang (build-fuzz/) and runs
# each one for [seconds] (default 180) over its corpus, two at a time. The
# corpus grows in build-fuzz/corpus/<target>/ from run to run; seeds are
# written afresh from the simulated instruments each time. What a target finds
# (a crash, a sanitizer report, a leak, a slow input, a forbidden byte written)
# is kept, with a minimised copy, in the findings folder printed at the end.
# Exits non-zero when anything was found.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
seconds="${1:-180}"

bash scripts/install-deps.sh

jobs="${VALTRIX_JOBS:-$(nproc)}"
build=build-fuzz
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++-14 \
    -DVALTRIX_FUZZ=ON -DVALTRIX_BUILD_TESTS=OFF -DVALTRIX_BUILD_APP=OFF \
    -DVALTRIX_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs"

export QT_QPA_PLATFORM=offscreen
export QT_QUICK_BACKEND=software
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=0"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

targets=()
for binary in "$build"/tests/fuzz/fuzz_*; do
    [ -f "$binary" ] && [ -x "$binary" ] && targets+=("$(basename "$binary")")
done

rm -rf "$build/seeds"
"$build/tests/fuzz/make-fuzz-seeds" "$build/seeds" >/dev/null
cat tests/fuzz/dict/*.dict > "$build/fuzz.dict"

findings="$root/$build/findings/$(date +%Y%m%d-%H%M%S)"
logs="$build/fuzz-logs"
mkdir -p "$findings" "$logs"

# Seconds one input may take before it counts as a finding.
input_timeout() {
    case "$1" in
        fuzz_report) echo 60 ;;
        *) echo 20 ;;
    esac
}

run_target() {
    local target="$1" name="${1#fuzz_}"
    local corpus="$build/corpus/$name" out="$findings/$name"
    mkdir -p "$corpus" "$out" "$build/seeds/$name"
    set +e
    "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout="$(input_timeout "$target")" \
        -rss_limit_mb=4096 -dict="$build/fuzz.dict" -artifact_prefix="$out/" \
        -print_final_stats=1 "$corpus" "$build/seeds/$name" >"$logs/$name.log" 2>&1
    set -e
    for finding in "$out"/crash-* "$out"/leak-* "$out"/timeout-* "$out"/oom-*; do
        [ -f "$finding" ] || continue
        [ -f "$finding.min" ] && continue
        "$build/tests/fuzz/$target" -minimize_crash=1 -max_total_time=60 \
            -exact_artifact_path="$finding.min" "$finding" >>"$logs/$name.minimise.log" 2>&1 || true
    done
}

# Two fuzzers at a time: the machine is shared.
running=0
for target in "${targets[@]}"; do
    run_target "$target" &
    running=$((running + 1))
    if [ "$running" -ge 2 ]; then
        wait -n || true
        running=$((running - 1))
    fi
done
wait

status=0
printf '%-12s %14s %9s\n' target executions findings
for target in "${targets[@]}"; do
    name="${target#fuzz_}"
    executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$logs/$name.log" | tail -1 | grep -o '[0-9]*$' || true)
    # Slow inputs under the time limit are noted by the fuzzer, not findings.
    count=$(find "$findings/$name" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' \
        -o -name 'timeout-*' -o -name 'oom-*' \) ! -name '*.min' | wc -l)
    printf '%-12s %14s %9s\n' "$name" "${executions:-?}" "$count"
    if [ "$count" -ne 0 ] || [ -z "$executions" ]; then
        status=1
        echo "--- $name: see $logs/$name.log" >&2
        grep -E 'ERROR|SUMMARY|runtime error|: .*(sent|refused|command|file|report)' "$logs/$name.log" | head -5 >&2 || true
    fi
done
echo "Findings are kept in $findings/<target>/ (minimised copies end in .min)."
exit "$status"
