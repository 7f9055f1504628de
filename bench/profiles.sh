#!/bin/bash
# profiles.sh [ROUNDS]: the benchmark of the profiles against the scan.
#
# Builds bench/ProfileBench.cpp (Windows tree), imports the scan benchmark's
# fixture registry (5,000 extension keys naming 2,500 classes) into a
# throw-away 32-bit Wine prefix and runs the program once: in one process it
# times the scan, the export of every extension in each format and the dry
# run of the exported 5,000-entry XML, and prints the medians of ROUNDS
# (default 5) rounds and their ratios to the scan. The goals: every export
# at most 1.5 times a scan, the dry run at most 2 times.
#
# Environment: CORVIX_SCAN_BUILD overrides the Windows build directory
# (default build/win32); CORVIX_SCAN_KEEP=1 keeps the prefix.
set -euo pipefail

rounds=${1:-5}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../tools/setup.sh"
source "$here/fixture-prefix.sh"

build_dir=${CORVIX_SCAN_BUILD:-$CORVIX_ROOT/build/win32}
echo "== building the profile benchmark in $build_dir"
build_bench_programs "$build_dir" profile_bench

make_fixture_prefix profiles "${CORVIX_SCAN_KEEP:-0}" 5000
cp "$build_dir/bench/profile_bench.exe" "$work/"
wine "$work/profile_bench.exe" "$rounds"
