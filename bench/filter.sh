#!/bin/bash
# filter.sh [ROUNDS]: the benchmark of the search field's filter.
#
# Builds bench/FilterBench.cpp (Windows tree, optimised) and runs it under
# Wine in a throw-away prefix, under Xvfb when there is no display. The
# program fills a sorted list of 20,000 names and types a search text letter
# by letter, alternating; it prints each round and, last, the median filter
# step against the median fill of the whole list ("filter step/fill median
# ratio"). A step must stay below one frame (16.7 ms) on a machine where the
# fill takes what it takes today; the ratio is what compares across
# machines. ROUNDS (default 11) follow one warm-up round.
#
# Environment: CORVIX_FILTER_BUILD overrides the build directory (default
# build/bench-win32, a Release tree of its own).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
source "$here/../tools/setup.sh"
source "$here/fixture-prefix.sh"

build_dir=${CORVIX_FILTER_BUILD:-$CORVIX_ROOT/build/bench-win32}
echo "== building the filter program in $build_dir"
build_bench_programs "$build_dir" filter_bench

work=$(mktemp -d /tmp/corvix-filter-bench.XXXXXX)
export WINEDEBUG=-all WINEARCH=win32 WINEDLLOVERRIDES="mscoree=d;mshtml=d"
export WINEPREFIX="$work/prefix"
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
make_wine_prefix unmanaged
wine "$build_dir/bench/filter_bench.exe" "${1:-11}"
