#!/bin/sh
# run-as-version.sh WINVER PROGRAM ARGS...: runs a test program under Wine with
# Wine pretending Windows version WINVER (win95, win98, ..., win7). The program
# is copied under a name of its own, so the per-program setting does not touch
# other tests running at the same time; CORVIX_EXPECT_WINVER tells the tests
# which version to expect.
set -e
winver=$1; program=$2; shift 2
here=$(dirname "$0")
copy="$(dirname "$program")/$(basename "$program" .exe)_$winver.exe"
cp "$program" "$copy"
name=$(basename "$copy")
"$here/wine-run.sh" reg add "HKCU\\Software\\Wine\\AppDefaults\\$name" /v Version /d "$winver" /f >/dev/null 2>&1
CORVIX_EXPECT_WINVER=$winver
export CORVIX_EXPECT_WINVER
WINEDEBUG=-all
export WINEDEBUG
exec "$here/wine-run.sh" "$copy" "$@"
