#!/usr/bin/env bash
# The short fuzz runs of ./test.sh: each target first replays its saved
# corpus (tests/fuzz/corpus/TARGET), then fuzzes for a few seconds from it
# with a fixed seed. New inputs go to a scratch copy, never to the saved
# corpus. Exit status 0 when no target crashed or broke a property.
#   tests/fuzz/run-corpus.sh BUILD_DIR [SECONDS]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
seconds=${2:-3}
status=0
for fuzzer in "$build"/tests/fuzz/fuzz_*; do
    target=${fuzzer##*/fuzz_}
    scratch=$(mktemp -d /tmp/corvix-fuzz.XXXXXX)
    cp "$here/corpus/$target"/* "$scratch"/ 2>/dev/null || true
    if (cd "$scratch" && "$fuzzer" -seed=1 -max_total_time="$seconds" -print_final_stats=1 \
        "$scratch" >log 2>&1); then
        runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$scratch/log" | grep -o '[0-9]*$')
        echo "fuzz $target: passed, $runs runs"
    else
        echo "fuzz $target: FAILED"
        tail -n 30 "$scratch/log"
        ls "$scratch"/crash-* "$scratch"/leak-* 2>/dev/null
        status=1
    fi
    rm -rf "$scratch"
done
exit $status
