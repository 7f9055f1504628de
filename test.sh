#!/usr/bin/env bash
# Builds the trees and runs every test: the core natively (with the
# sanitizers), the fuzz targets briefly on their saved corpus, everything as
# Windows programs under Wine and Xvfb, and the release package (release.sh)
# unpacked into a fresh Wine prefix.
# Exit status 0 only when every test passed.
#
#   ./test.sh            everything
#   ./test.sh --quick    the native tree and its tests alone, without Wine:
#                        for an edit-and-test loop
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"

case "${1:-}" in
"") quick=false ;;
--quick) quick=true ;;
*) echo "usage: ./test.sh [--quick]" >&2; exit 2 ;;
esac

if $quick; then
    install_native_tools
    build_native
    echo "== native tests"
    if (cd "$CORVIX_ROOT/build/native" && ctest --output-on-failure --timeout 900); then
        echo "== native tests passed (./test.sh without --quick runs everything)"
        exit 0
    fi
    echo "== TESTS FAILED"
    exit 1
fi

install_build_tools
build_native
build_win32
build_fuzz

status=0
echo "== native tests"
(cd "$CORVIX_ROOT/build/native" && ctest --output-on-failure --timeout 900) || status=1

echo "== fuzz targets on their saved corpus (bench/fuzz.sh makes the long runs)"
"$CORVIX_ROOT/tests/fuzz/run-corpus.sh" "$CORVIX_ROOT/build/fuzz" 3 || status=1

echo "== Windows tests under Wine"
CORVIX_TEST_PREFIX=$(mktemp -d /tmp/corvix-tests.XXXXXX)/prefix
export CORVIX_TEST_PREFIX
cleanup() {
    WINEPREFIX="$CORVIX_TEST_PREFIX" wineserver -k 2>/dev/null || true
    rm -rf "$(dirname "$CORVIX_TEST_PREFIX")"
}
trap cleanup EXIT
"$CORVIX_ROOT/tests/wine-run.sh" cmd /c exit >/dev/null 2>&1 || true # creates the prefix once
# Let that Wine server end: one still running would keep the desktop it made
# without a display, and every window of the tests would fail to open.
WINEPREFIX="$CORVIX_TEST_PREFIX" wineserver -w
wine_ctest="cd '$CORVIX_ROOT/build/win32' && ctest --output-on-failure --timeout 900 -j 2"
if [ -n "${DISPLAY:-}" ]; then
    bash -c "$wine_ctest" || status=1
else
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c "$wine_ctest" || status=1
fi

echo "== the release package"
# tee appends: opened plainly, /dev/stderr would cut a log file that
# standard error is written to.
package=$("$CORVIX_ROOT/release.sh" | tee -a /dev/stderr | tail -n 1) && [ -f "$package" ] &&
    "$CORVIX_ROOT/tests/release/check-release.sh" "$package" || status=1

[ $status -eq 0 ] && echo "== all tests passed" || echo "== TESTS FAILED"
exit $status
