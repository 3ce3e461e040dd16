#!/bin/bash
# Builds the libFuzzer targets (the fuzz preset) and runs each in turn from a
# copy of its seed corpus in tests/fuzz/corpus/<target>/, in build/fuzz/runs/.
#
#   scripts/fuzz.sh [SECONDS]    each target for SECONDS (default 10)
#   scripts/fuzz.sh --runs N     each target until it has run N inputs
#
# Prints one line per target, for people and for scripts alike:
#   fuzz <target> executions=<inputs run> seconds=<wall time>
# Fails when any target crashes, leaks, or makes a sanitizer report; its
# output and the input that did it are kept in build/fuzz/runs/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

limit=(-max_total_time="${1:-10}")
if [[ "${1:-}" == --runs ]]; then
    limit=(-runs="${2:?--runs needs a count}")
fi

scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" >/dev/null

failed=0
while read -r target binary; do
    seeds="tests/fuzz/corpus/$target"
    [[ -d "$seeds" ]] || { echo "fuzz $target: no seed corpus in $seeds" >&2; failed=1; continue; }
    scratch="build/fuzz/runs/$target"
    rm -rf "$scratch"
    mkdir -p "$scratch/corpus"
    cp "$seeds"/* "$scratch/corpus/"

    start=$(date +%s%N)
    status=0
    # 512 bytes hold any registry answer (260 bytes of data and the codes) and
    # long CString scripts; longer inputs only make each run slower.
    "$binary" "${limit[@]}" -max_len=512 -print_final_stats=1 -artifact_prefix="$scratch/" "$scratch/corpus" \
        >"$scratch/log" 2>&1 || status=$?
    tenths=$((($(date +%s%N) - start) / 100000000))
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/log")

    if ((status)) || grep -qE '^==[0-9]+==ERROR|runtime error:|Sanitizer:' "$scratch/log"; then
        echo "fuzz $target FAILED (exit $status); see $scratch/log" >&2
        grep -m 5 -E 'ERROR|runtime error|check failed|Test unit written' "$scratch/log" >&2 || true
        failed=1
        continue
    fi
    echo "fuzz $target executions=$executions seconds=$((tenths / 10)).$((tenths % 10))"
done <build/fuzz/fuzz-targets.txt
exit "$failed"
