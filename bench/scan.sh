#!/bin/bash
# scan.sh [ROUNDS]: the registry scan benchmark.
#
# Builds the scan program (bench/ScanBench.cpp, Windows tree), generates the
# large fixture registry (bench/make-scan-registry.sh: 5,000 extension keys
# naming 2,500 classes, 5,000 class identifiers as noise, 250 of the
# extensions also in this user's store, which the scan reads as well), imports
# it into a
# throw-away 32-bit Wine prefix and then, on that one prefix and with one
# persistent wine server, alternates the scan program with the platform's own
# listing of the same associations, "cmd /c assoc". Each round times both
# whole processes (wall time, start-up included) and prints the two times,
# their ratio and the scan's registry calls per extension key; the last line
# is the median of the per-round ratios. ROUNDS (default 11) follow one
# warm-up round that is not counted.
#
# Environment: CORVIX_SCAN_BUILD overrides the Windows build directory
# (default build/win32, the tree tools/setup.sh builds); CORVIX_SCAN_KEEP=1
# keeps the prefix for inspection.
set -euo pipefail

rounds=${1:-11}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../tools/setup.sh"
source "$here/fixture-prefix.sh"

build_dir=${CORVIX_SCAN_BUILD:-$CORVIX_ROOT/build/win32}
echo "== building the scan program in $build_dir"
# Only the scan program: the GUI and its tests are not needed here.
build_bench_programs "$build_dir" scan_bench
scan_exe="$build_dir/bench/scan_bench.exe"

make_fixture_prefix scan "${CORVIX_SCAN_KEEP:-0}" 5000 250
cp "$scan_exe" "$work/scan_bench.exe"

ms() { awk -v ns="$1" 'BEGIN { printf "%.0f", ns / 1e6 }'; }

# time_ns OUTPUT COMMAND...: runs the command with its output to the file
# OUTPUT and prints its wall time in nanoseconds.
time_ns() {
    local output=$1 t0 t1
    shift
    t0=$(date +%s%N)
    "$@" >"$output"
    t1=$(date +%s%N)
    echo $((t1 - t0))
}

# The figure "calls per extension key" of a report of the scan program.
calls_per_key() { sed -n 's/.*, \([0-9.]*\) calls per extension key.*/\1/p' "$1"; }

# run_round N: times both programs once; prints one line and appends the
# ratio to ratios.txt (N > 0; round 0 is the warm-up). Odd rounds start with
# the scan, even rounds with assoc, so that neither always follows the other.
run_round() {
    local round=$1 scan assoc ratio
    if ((round % 2)); then
        scan=$(time_ns "$work/scan.out" wine "$work/scan_bench.exe")
        assoc=$(time_ns /dev/null wine cmd /c assoc)
    else
        assoc=$(time_ns /dev/null wine cmd /c assoc)
        scan=$(time_ns "$work/scan.out" wine "$work/scan_bench.exe")
    fi
    if [ "$round" -eq 0 ]; then
        cat "$work/scan.out"
        local extensions
        extensions=$(sed -n 's/.*, \([0-9]*\) extensions,.*/\1/p' "$work/scan.out")
        if [ "${extensions:-0}" -lt 5000 ]; then
            echo "the fixture was not imported: the scan found ${extensions:-no} extensions" >&2
            exit 1
        fi
        return
    fi
    ratio=$(awk -v s="$scan" -v a="$assoc" 'BEGIN { printf "%.3f", s / a }')
    printf 'round %d: scan %s ms, assoc %s ms, ratio %s, %s calls per extension key\n' \
        "$round" "$(ms "$scan")" "$(ms "$assoc")" "$ratio" "$(calls_per_key "$work/scan.out")"
    echo "$ratio" >>"$work/ratios.txt"
}

echo "== warm-up, then $rounds rounds of the scan program and cmd /c assoc"
for ((round = 0; round <= rounds; round++)); do
    run_round "$round"
done
echo "scan/assoc median ratio: $(median "$work/ratios.txt")"
