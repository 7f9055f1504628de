#!/bin/bash
# startup.sh [--keys N] [--against EXE] [ROUNDS]: the start-up benchmark.
#
# How long a user waits for Corvix, against the bare scan of the same
# registry. Builds corvix.exe, the scan program (bench/ScanBench.cpp) and
# winprobe, generates the fixture of bench/scan.sh (N extension keys, default
# 5,000, naming N/2 classes, 5,000 class identifiers as noise), imports it
# into a throw-away 32-bit Wine prefix and then, with one persistent wine
# server, alternates per round:
#   scan     winprobe run scan_bench.exe: launch until the process has ended;
#   startup  winprobe launch corvix.exe: launch until the main window shows
#            the filled list and the counts (as run.sh measures it), then the
#            window is closed again; "window" is the time until it was first
#            visible.
# Both times are taken by winprobe from the same CreateProcess, so Wine's
# start of a process counts on both sides. Each round prints both times and
# their ratio; then come the median time until the window was visible and,
# as the last line, the median of the per-round ratios. ROUNDS (default 21)
# follow one warm-up round that is not counted. Odd rounds start with the
# scan, even rounds with corvix.exe.
#
# With --against EXE the reference is not the scan program but another
# build of corvix.exe (an earlier one, say), started the same way with a
# settings file of its own; each round times both, and the last line is
# "startup/reference median ratio: X" (below 1: the current build shows the
# filled list sooner).
#
# Only ratios of one run mean something: on a shared machine the absolute
# times move with the load of the other core.
#
# CPUs: on this machine (a virtual one) a call to the wine server from a
# process on the other CPU costs up to ten times what it costs on the
# server's own, and where the scheduler puts the two changes from run to run:
# the same scan takes 160 ms in one run and 2,000 ms in the next. With
# CORVIX_STARTUP_CPU=N the wine server and every program of the benchmark
# run on CPU N only (taskset), which makes the times repeatable; the X server
# keeps whatever CPUs it was started with.
#
# Without a display the script runs itself again under Xvfb. Environment:
# CORVIX_STARTUP_BUILD overrides the Windows build directory (default
# build/win32); CORVIX_STARTUP_KEEP=1 keeps the prefix for inspection.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
keys=5000
rounds=21
reference=
args=("$@")
while [ $# -gt 0 ]; do
    case $1 in
    --keys) [ $# -ge 2 ] || { echo "startup.sh: --keys needs a number" >&2; exit 2; }; keys=$2; shift 2 ;;
    --keys=*) keys=${1#--keys=}; shift ;;
    --against) [ $# -ge 2 ] || { echo "startup.sh: --against needs a file" >&2; exit 2; }; reference=$(realpath "$2"); shift 2 ;;
    --against=*) reference=$(realpath "${1#--against=}"); shift ;;
    [0-9]*) rounds=$1; shift ;;
    *) echo "usage: startup.sh [--keys N] [--against EXE] [ROUNDS]" >&2; exit 2 ;;
    esac
done

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "${args[@]}"
fi

if [ -n "$reference" ] && [ ! -f "$reference" ]; then
    echo "startup.sh: no such file: $reference" >&2
    exit 2
fi
if [ -n "${CORVIX_STARTUP_CPU:-}" ]; then
    # Everything started from here on inherits the CPU.
    taskset -cp "$CORVIX_STARTUP_CPU" $$ >/dev/null
fi

source "$here/../tools/setup.sh"
source "$here/fixture-prefix.sh"
build_dir=${CORVIX_STARTUP_BUILD:-$CORVIX_ROOT/build/win32}
echo "== building corvix.exe, the scan program and winprobe in $build_dir"
build_bench_programs "$build_dir" corvix scan_bench winprobe

make_fixture_prefix startup "${CORVIX_STARTUP_KEEP:-0}" "$keys"

# The programs in C:\bench; corvix.exe without the untested-system warning.
bench_dir="$WINEPREFIX/drive_c/bench"
mkdir -p "$bench_dir"
cp "$build_dir/corvix.exe" "$build_dir/bench/scan_bench.exe" "$build_dir/tests/e2e/winprobe.exe" \
    "$bench_dir/"
printf '[config]\r\nVersionWarn=0\r\n' >"$bench_dir/settings.ini"
if [ -n "$reference" ]; then
    mkdir -p "$bench_dir/reference"
    cp "$reference" "$bench_dir/reference/corvix.exe"
    cp "$bench_dir/settings.ini" "$bench_dir/reference/"
fi
probe='C:\bench\winprobe.exe'

field() { sed -n "s/^$1=//p" "$2" | tr -d '\r' | head -n 1; }

# launch EXE OUT: starts a corvix.exe, waits for its filled list, closes it.
launch() {
    wine "$probe" launch "$1" --timeout 600 --close >"$2"
    if [ -z "$(field ready_ms "$2")" ]; then
        echo "$1 did not come up:" >&2
        tr -d '\r' <"$2" >&2
        exit 1
    fi
}
time_scan() {
    if [ -n "$reference" ]; then
        launch 'C:\bench\reference\corvix.exe' "$work/scan.out"
        scan_ms=$(field ready_ms "$work/scan.out")
        reference_window_ms=$(field window_ms "$work/scan.out")
    else
        wine "$probe" run 'C:\bench\scan_bench.exe' --timeout 600 >"$work/scan.out"
        scan_ms=$(field exit_ms "$work/scan.out")
    fi
}
time_startup() {
    launch 'C:\bench\corvix.exe' "$work/startup.out"
    startup_ms=$(field ready_ms "$work/startup.out")
    window_ms=$(field window_ms "$work/startup.out")
}

if [ -n "$reference" ]; then
    other="the reference corvix.exe"
else
    other="scan_bench.exe"
fi
echo "== warm-up, then $rounds rounds of $other and corvix.exe"
for ((round = 0; round <= rounds; round++)); do
    if ((round % 2)); then
        time_scan
        time_startup
    else
        time_startup
        time_scan
    fi
    if [ "$round" -eq 0 ]; then
        if [ -n "$reference" ]; then
            echo "reference: status $(field status "$work/scan.out"), $(field list_items "$work/scan.out") items listed"
        else
            grep -v '=' "$work/scan.out" | tr -d '\r'
        fi
        echo "corvix.exe: status $(field status "$work/startup.out"), $(field list_items "$work/startup.out") items listed"
        continue
    fi
    ratio=$(awk -v s="$scan_ms" -v t="$startup_ms" 'BEGIN { printf "%.3f", t / s }')
    if [ -n "$reference" ]; then
        printf 'round %d: reference %s ms (window visible after %s ms), startup %s ms (window visible after %s ms), ratio %s\n' \
            "$round" "$scan_ms" "$reference_window_ms" "$startup_ms" "$window_ms" "$ratio"
        echo "$scan_ms" >>"$work/reference.txt"
        echo "$startup_ms" >>"$work/startup.txt"
    else
        printf 'round %d: scan %s ms, startup %s ms (window visible after %s ms), ratio %s\n' \
            "$round" "$scan_ms" "$startup_ms" "$window_ms" "$ratio"
    fi
    echo "$ratio" >>"$work/ratios.txt"
    echo "$window_ms" >>"$work/window.txt"
done
echo "window visible median: $(median "$work/window.txt") ms"
if [ -n "$reference" ]; then
    echo "filled list median: reference $(median "$work/reference.txt") ms, current $(median "$work/startup.txt") ms"
    echo "startup/reference median ratio: $(median "$work/ratios.txt")"
else
    echo "startup/scan median ratio: $(median "$work/ratios.txt")"
fi
