#!/bin/bash
# Measures GLYPHER.EXE against its goals and prints one Markdown table, also
# written to build/bench.md, that pastes straight into the README's
# Benchmarks section. Per arch: the EXE's size and imports beside a floor
# program that only shows the same dialog (tests/bench/FloorMain.cpp, built
# the same way); the start-to-dialog time under Wine as a ratio to that
# floor; the apply's time with and without a window that stops answering.
# Then the registry calls of one run, and the fuzz targets' executions.
#
#   BENCH_RUNS=15 BENCH_APPLY_RUNS=5 BENCH_FUZZ_SECONDS=60 scripts/bench.sh
#
# Every sample goes to build/bench-samples.log. Exit code 1 when a goal fails.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${BENCH_RUNS:-15}
apply_runs=${BENCH_APPLY_RUNS:-5}
fuzz_seconds=${BENCH_FUZZ_SECONDS:-60}

# The goals. The size limit is the one the build check enforces.
max_exe_bytes=$(sed -n 's/^set(GLYPHER_MAX_EXE_BYTES \([0-9]*\))$/\1/p' cmake/CheckExecutable.cmake)
max_start_ratio=1.10
max_hung_apply_ms=10000
min_fuzz_executions=1000000

note() { echo "bench: $*" >&2; }

scripts/setup.sh
note "building"
cmake --preset native >/dev/null
cmake --build --preset native -j "$(nproc)" --target bench_registry_calls >/dev/null
for arch in i686 x86_64; do
    cmake --preset "mingw-$arch" >/dev/null
    cmake --build --preset "mingw-$arch" -j "$(nproc)" --target GLYPHER glypher_floor glypher_bench >/dev/null
done

# A prefix of its own: the runs write the registry.
export GLYPHER_WINEPREFIX="${GLYPHER_WINEPREFIX:-$(pwd)/build/wineprefix-bench}"
source scripts/wine-env.sh
glypher_ensure_display
glypher_ensure_prefix
# With a metric to toggle, an apply broadcasts twice, as on Windows.
"$WINE64" reg add 'HKCU\Control Panel\desktop\windowmetrics' /v 'Shell Icon Size' /d 32 /f >/dev/null 2>&1

samples=build/bench-samples.log
: >"$samples"
rows=()
failed=0
# row CELL...: one line of the table.
row() {
    local line="|" cell
    for cell in "$@"; do line+=" $cell |"; done
    rows+=("$line")
}
# judge CONDITION: sets $result to pass or fail (an awk expression), counting failures.
judge() {
    if awk "BEGIN { exit !($1) }"; then result=pass; else result=fail; failed=1; fi
}
# ms MEDIAN [Q1 Q3]: milliseconds, rounded, with the quartiles when given;
# a pointer to the samples when the runs failed.
ms() {
    if [[ $1 == failed ]]; then echo "failed, see $samples"; return; fi
    awk -v median="$1" -v q1="${2:-}" -v q3="${3:-}" 'BEGIN {
        printf "%.0f", median
        if (q1 != "") printf " (%.0f–%.0f)", q1, q3
    }'
}
dlls() { "$1-w64-mingw32-objdump" -p "$2" | sed -n 's/^\tDLL Name: //p' | sort -f | paste -sd, | sed 's/,/, /g'; }

for arch in i686 x86_64; do
    build=build/mingw-$arch
    exe=$build/GLYPHER.EXE
    floor=$build/tests/bench/FLOOR.EXE
    size=$(stat -c %s "$exe")
    judge "$size <= $max_exe_bytes"
    row "$arch" "EXE size (bytes)" "$size" "$(stat -c %s "$floor")" "≤ $max_exe_bytes" "$result"
    row "$arch" "Imported DLLs" "$(dlls "$arch" "$exe")" "$(dlls "$arch" "$floor")" "" ""

    if [[ $arch == i686 ]]; then wine=$WINE32; else wine=$WINE64; fi
    if [[ $arch == i686 ]] && ! glypher_can_run_32bit; then
        row "$arch" "Start and apply under Wine" "not run: this kernel cannot run 32-bit programs" "" "" "skipped"
        continue
    fi
    bench=$build/tests/bench/glypher_bench.exe

    # The applies come first: they leave every value in place for the starts.
    note "$arch: $apply_runs applies without, then with a hung window"
    echo "# $arch apply, no hung window" >>"$samples"
    read -r apply_ms apply_q1 apply_q3 < <("$wine" "$bench" apply "$apply_runs" "$exe" none 2>>"$samples" ||
        echo failed)
    echo "# $arch apply, one hung window" >>"$samples"
    read -r hung_ms hung_q1 hung_q3 < <("$wine" "$bench" apply "$apply_runs" "$exe" hung 2>>"$samples" ||
        echo failed)

    note "$arch: $runs starts each of the floor and GLYPHER, alternated"
    echo "# $arch start and close, floor and GLYPHER alternated" >>"$samples"
    read -r _ floor_ms floor_q1 floor_q3 floor_close _ glypher_ms glypher_q1 glypher_q3 _ \
        < <("$wine" "$bench" start "$runs" "$floor" "$exe" 2>>"$samples" || echo "floor failed")

    if [[ $floor_ms == failed ]]; then
        ratio=failed result=fail failed=1 floor_close=failed glypher_ms=failed
    else
        ratio=$(awk "BEGIN { printf \"%.2f\", $glypher_ms / $floor_ms }")
        judge "$ratio <= $max_start_ratio"
    fi
    row "$arch" "Start to dialog (ms): median of $runs (quartiles)" \
        "$(ms "$glypher_ms" "$glypher_q1" "$glypher_q3")" "$(ms "$floor_ms" "$floor_q1" "$floor_q3")" "" ""
    row "$arch" "Start to dialog: ratio of the medians, GLYPHER / floor" "$ratio" "" "≤ $max_start_ratio" "$result"
    row "$arch" "OK to exit, no hung window (ms): median of $apply_runs (quartiles); floor: Cancel to exit, median" \
        "$(ms "$apply_ms" "$apply_q1" "$apply_q3")" "$(ms "$floor_close")" "" ""
    if [[ $hung_ms == failed ]]; then result=fail failed=1; else judge "$hung_ms < $max_hung_apply_ms"; fi
    row "$arch" "OK to exit, one hung window (ms): median of $apply_runs (quartiles)" \
        "$(ms "$hung_ms" "$hung_q1" "$hung_q3")" "" "< $max_hung_apply_ms" "$result"
done

# Registry calls: the portable code against the in-memory host, counted natively.
calls=$(build/native/tests/bench/bench_registry_calls)
while IFS=$'\t' read -r part counts; do
    case $part in
        start) label="Registry calls at start (version stamp, load), all values present" ;;
        apply) label="Registry calls at apply (ten paths, bin default, metric)" ;;
    esac
    row "any" "$label" "$counts" "" "" ""
done <<<"$calls"

# Fuzzing: scripts/fuzz.sh prints "fuzz <target> executions=<N> seconds=<S>"
# for each target.
note "fuzzing every target for $fuzz_seconds s"
if fuzz_output=$(scripts/fuzz.sh "$fuzz_seconds"); then
    while read -r _ target executions _; do
        executions=${executions#executions=}
        judge "$executions >= $min_fuzz_executions"
        row "native" "Fuzz $target, $fuzz_seconds s (executions)" "$executions" "" "≥ $min_fuzz_executions" "$result"
    done <<<"$fuzz_output"
else
    failed=1
    row "native" "Fuzzing, $fuzz_seconds s per target" "scripts/fuzz.sh failed (a crash or a sanitizer report)" \
        "" "≥ $min_fuzz_executions per target" fail
fi

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
{
    echo "Measured $(date -u +%F) on $cpu ($(nproc) cores), $("$WINE64" --version), with \`scripts/bench.sh\`:"
    echo
    echo "| Arch | Measure | GLYPHER | Floor | Goal | Result |"
    echo "| --- | --- | --- | --- | --- | --- |"
    printf '%s\n' "${rows[@]}"
} | tee build/bench.md
exit "$failed"
