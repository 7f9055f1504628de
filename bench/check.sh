#!/bin/bash
# check.sh [ROUNDS]: the benchmark of the association check against the scan.
#
# Builds the check and scan programs (bench/CheckBench.cpp, bench/ScanBench.cpp,
# Windows tree), imports the scan benchmark's fixture registry (5,000
# extension keys naming 2,500 classes, each class with a command whose
# program is missing, 5,000 class identifiers as noise) into a throw-away
# 32-bit Wine prefix and then, with one persistent wine server, alternates
# the two programs. Each round prints both whole-process times and the times
# each program measured in-process, with their ratios; the last two lines are
# the medians of the per-round ratios, the in-process one last. ROUNDS
# (default 11) follow one warm-up round that is not counted.
#
# Environment: CORVIX_SCAN_BUILD overrides the Windows build directory
# (default build/win32); CORVIX_SCAN_KEEP=1 keeps the prefix.
set -euo pipefail

rounds=${1:-11}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../tools/setup.sh"
source "$here/fixture-prefix.sh"

build_dir=${CORVIX_SCAN_BUILD:-$CORVIX_ROOT/build/win32}
echo "== building the check and scan programs in $build_dir"
build_bench_programs "$build_dir" check_bench scan_bench

make_fixture_prefix check "${CORVIX_SCAN_KEEP:-0}" 5000
cp "$build_dir/bench/check_bench.exe" "$build_dir/bench/scan_bench.exe" "$work/"

ms() { awk -v ns="$1" 'BEGIN { printf "%.0f", ns / 1e6 }'; }
inner_ms() { sed -n 's/^[a-z]*: \([0-9.]*\) ms,.*/\1/p' "$1"; }

time_ns() {
    local output=$1 t0 t1
    shift
    t0=$(date +%s%N)
    "$@" >"$output"
    t1=$(date +%s%N)
    echo $((t1 - t0))
}

# run_round N: odd rounds start with the check, even ones with the scan.
run_round() {
    local round=$1 check scan
    if ((round % 2)); then
        check=$(time_ns "$work/check.out" wine "$work/check_bench.exe")
        scan=$(time_ns "$work/scan.out" wine "$work/scan_bench.exe")
    else
        scan=$(time_ns "$work/scan.out" wine "$work/scan_bench.exe")
        check=$(time_ns "$work/check.out" wine "$work/check_bench.exe")
    fi
    if [ "$round" -eq 0 ]; then
        cat "$work/check.out" "$work/scan.out"
        return
    fi
    local c s whole inner
    c=$(inner_ms "$work/check.out")
    s=$(inner_ms "$work/scan.out")
    whole=$(awk -v a="$check" -v b="$scan" 'BEGIN { printf "%.3f", a / b }')
    inner=$(awk -v a="$c" -v b="$s" 'BEGIN { printf "%.3f", a / b }')
    printf 'round %d: check %s ms, scan %s ms, ratio %s; in-process check %s ms, scan %s ms, ratio %s\n' \
        "$round" "$(ms "$check")" "$(ms "$scan")" "$whole" "$c" "$s" "$inner"
    echo "$whole" >>"$work/whole.txt"
    echo "$inner" >>"$work/inner.txt"
}

echo "== warm-up, then $rounds rounds of the check and the scan program"
for ((round = 0; round <= rounds; round++)); do
    run_round "$round"
done
echo "check/scan median ratio, whole processes: $(median "$work/whole.txt")"
echo "check/scan median ratio, in-process: $(median "$work/inner.txt")"
