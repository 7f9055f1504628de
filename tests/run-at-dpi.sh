#!/bin/sh
# run-at-dpi.sh DPI PROGRAM ARGS...: runs a test program under Wine on a
# screen of DPI pixels per logical inch (144: Windows at 150 %). Wine takes
# the setting from "LogPixels" under HKCU\Control Panel\Desktop when a
# process starts, for the whole prefix; so the program runs in a prefix of
# its own beside the shared one (made once, kept with it), and the tests
# running meanwhile in the shared prefix keep 96.
set -e
dpi=$1; shift
here=$(dirname "$0")
export WINEDEBUG=-all
export WINEARCH=win32
export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
export WINEPREFIX="${CORVIX_TEST_PREFIX:-/tmp/corvix-test-prefix-$(id -u)}-dpi$dpi"
. "$here/../tools/wine-prefix.sh"
make_wine_prefix unmanaged
if ! grep -qs "\"LogPixels\"=dword:$(printf '%08x' "$dpi")" "$WINEPREFIX/user.reg"; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    # The value counts from the next start of the Wine server.
    wineserver -w
fi
CORVIX_EXPECT_DPI=$dpi
export CORVIX_EXPECT_DPI
status=0
wine "$@" || status=$?
# The prefix's own Wine server ends with its last program.
wineserver -w
exit $status
