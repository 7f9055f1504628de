#!/usr/bin/env bash
# Long fuzz runs of every target in tests/fuzz: a fixed number of runs each
# (CORVIX_FUZZ_RUNS, default 1,000,000; the scan, which builds a registry per
# input, CORVIX_FUZZ_SCAN_RUNS, default 200,000), starting from the saved
# corpus. Prints per target the runs made, the crashes found and the line
# coverage the corpus reaches on the target's own source files (measured by a
# second build with source coverage).
#   bench/fuzz.sh [--save] [TARGET...]
# --save merges the new inputs into tests/fuzz/corpus (minimised); crashing
# inputs are kept in build/fuzz/crashes/TARGET.
set -euo pipefail
source "$(dirname "$0")/../tools/setup.sh"
save=false
if [ "${1:-}" = --save ]; then save=true; shift; fi
targets=${*:-"ini_file hex_text icon_location name_rules edit_flags scan journal reg_file profile_plan"}
runs=${CORVIX_FUZZ_RUNS:-1000000}
scan_runs=${CORVIX_FUZZ_SCAN_RUNS:-200000}

install_build_tools
build_fuzz >/dev/null
CORVIX_FUZZ_COVERAGE=ON build_fuzz >/dev/null

sources_of() {
    case $1 in
    ini_file) echo src/support/ZQIniFiles.cpp src/support/WholeFile.cpp src/support/FileMove.cpp src/support/DecimalText.cpp ;;
    hex_text | icon_location) echo src/registry/ValueText.cpp src/support/DecimalText.cpp ;;
    name_rules) echo src/association/Names.cpp src/support/AnsiText.cpp ;;
    edit_flags) echo src/association/EditFlags.cpp src/association/ClassRecord.cpp ;;
    scan) echo src/index/FileClassScan.cpp src/index/ZQFileAssoc.cpp src/association/Lookups.cpp ;;
    journal) echo src/association/JournalText.cpp src/association/UndoJournal.cpp src/association/KeyImage.cpp src/registry/RawKey.cpp ;;
    reg_file) echo src/association/RegFileReader.cpp src/association/RegExport.cpp ;;
    profile_plan) echo src/commands/ProfilePlan.cpp src/association/RegistryWriter.cpp ;;
    esac
}

printf '%-14s %10s %8s %10s  %s\n' target runs crashes "line cov" "files"
for target in $targets; do
    corpus=$CORVIX_ROOT/tests/fuzz/corpus/$target
    work=$(mktemp -d /tmp/corvix-fuzz-$target.XXXXXX)
    crashes_dir=$CORVIX_ROOT/build/fuzz/crashes/$target
    mkdir -p "$corpus" "$crashes_dir"
    cp "$corpus"/* "$work"/ 2>/dev/null || true
    n=$runs
    [ "$target" = scan ] && n=$scan_runs
    # Go on after a crash (-fork with -ignore_crashes would lose the counts):
    # each crash ends a run; the next run starts again from the corpus.
    made=0 crashes=0
    while [ "$made" -lt "$n" ]; do
        log=$work.log
        set +e
        (cd "$crashes_dir" && "$CORVIX_ROOT/build/fuzz/tests/fuzz/fuzz_$target" -runs=$((n - made)) \
            -print_final_stats=1 -artifact_prefix="$crashes_dir/" "$work" >"$log" 2>&1)
        rc=$?
        set -e
        done_now=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
        made=$((made + ${done_now:-0}))
        if [ $rc -ne 0 ]; then
            crashes=$((crashes + 1))
            grep -m1 -E 'property broken|ERROR: AddressSanitizer|runtime error|deadly signal' "$log" >&2 || tail -n 5 "$log" >&2
            [ "${done_now:-0}" -gt 0 ] || made=$((made + 1))
            [ $crashes -ge 5 ] && break
        fi
    done
    # Coverage of the corpus reached.
    profile=$work.profraw
    LLVM_PROFILE_FILE=$profile "$CORVIX_ROOT/build/fuzz-cov/tests/fuzz/fuzz_$target" -runs=0 "$work" >/dev/null 2>&1 || true
    llvm-profdata-14 merge -sparse "$profile" -o "$work.profdata"
    files=$(sources_of "$target")
    # shellcheck disable=SC2086
    cov=$(cd "$CORVIX_ROOT" && llvm-cov-14 report "build/fuzz-cov/tests/fuzz/fuzz_$target" \
        -instr-profile="$work.profdata" $files | awk '/^TOTAL/ {print $10}')
    printf '%-14s %10d %8d %10s  %s\n' "$target" "$made" "$crashes" "$cov" "$files"
    if $save; then
        mkdir -p "$work.min"
        "$CORVIX_ROOT/build/fuzz/tests/fuzz/fuzz_$target" -merge=1 "$work.min" "$corpus" "$work" >/dev/null 2>&1
        rm -f "$corpus"/*
        cp "$work.min"/* "$corpus"/
    fi
    rm -rf "$work" "$work".*
done
