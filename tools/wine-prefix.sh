# Shared by run.sh, tests/wine-run.sh and the benchmarks: the 32-bit Wine
# prefix the programs run in. Source it (POSIX sh); it defines functions only.

# make_wine_prefix: creates the prefix that WINEPREFIX names, unless it
# exists, and makes Wine's own TrueType fonts available in it. Wine does not
# always find them in its data folder (Tahoma behind "MS Shell Dlg", Marlett
# for the frame buttons), but it always searches the prefix's Fonts folder,
# so that text measures and draws as on Windows.
#
# With the argument "unmanaged" (the test runs, under Xvfb without a window
# manager) Wine is told that no window manager handles its windows: it then
# draws their frames itself and does not wait for a manager's answer each
# time a window is shown or hidden (about two seconds each, with none there).
make_wine_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    if [ -d /usr/share/wine/fonts ]; then
        cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
    if [ "${1:-}" = unmanaged ] && ! grep -qs '"Managed"="N"' "$WINEPREFIX/user.reg"; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        wineserver -w
    fi
}
