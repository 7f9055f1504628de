#!/bin/sh
# Runs a Windows test program under Wine. All programs of one test run share
# the throw-away prefix named by CORVIX_TEST_PREFIX (test.sh makes a fresh one);
# without it a prefix below /tmp is made once and kept.
export WINEDEBUG=-all
export WINEARCH=win32
export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
export WINEPREFIX="${CORVIX_TEST_PREFIX:-/tmp/corvix-test-prefix-$(id -u)}"
. "$(dirname "$0")/../tools/wine-prefix.sh"
make_wine_prefix unmanaged
exec wine "$@"
