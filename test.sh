#!/usr/bin/env bash
# Builds the trees and runs every test: the core natively (with the
# sanitizers), the fuzz targets briefly on their saved corpus, and everything
# as Windows programs under Wine and Xvfb.
# Exit status 0 only when every test passed.
set -euo pipefail
source "$(dirname "$0")/tools/setup.sh"

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

[ $status -eq 0 ] && echo "== all tests passed" || echo "== TESTS FAILED"
exit $status
