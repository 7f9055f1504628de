#!/bin/sh
# Runs a Windows test program under Wine. All programs of one test run share
# the throw-away prefix named by CORVIX_TEST_PREFIX (test.sh makes a fresh one);
# without it a prefix below /tmp is made once and kept.
export WINEDEBUG=-all
export WINEARCH=win32
export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
export WINEPREFIX="${CORVIX_TEST_PREFIX:-/tmp/corvix-test-prefix-$(id -u)}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    # Wine does not always find its own TrueType fonts (Tahoma behind
    # "MS Shell Dlg", Marlett for the frame buttons); the prefix's Fonts
    # folder makes them available, so text measures as on Windows.
    if [ -d /usr/share/wine/fonts ]; then
        cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
fi
exec wine "$@"
