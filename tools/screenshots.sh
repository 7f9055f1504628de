#!/usr/bin/env bash
# Photographs the real program for the user guide and the README: corvix.exe
# (from build/win32, with winprobe and windrive beside it in tests/e2e) runs
# under Wine in a throw-away prefix holding the default associations
# (tools/default-associations.reg), on a 1024 x 768 Wine desktop inside Xvfb,
# as Windows 2000 with its default settings. Writes, cut to each window:
#
#   OUTDIR/main-window.png     the main window on "File Extensions", .txt shown
#   OUTDIR/class-view.png      the main window on "File Classes", txtfile shown
#   OUTDIR/actions.png         the action window of txtfile, "open" selected
#   OUTDIR/configuration.png   the configuration dialog
#   OUTDIR/search.png          the extension list narrowed to "ht"
#   OUTDIR/opens-with.png      the Opens-with window of .txt, whose Open With
#                              list names a class that is not there
#   OUTDIR/stores.png          the extension view on .log, which this user's
#                              classes hold besides every user's
#   OUTDIR/apply-profile.png   the window of "Apply profile ..." for a profile
#                              that changes two extensions
#
#   tools/screenshots.sh OUTDIR
#
# With CORVIX_DPI set (144: Windows at 150 %) Wine's screen has that many
# pixels per logical inch.
#
# The guide's pictures in docs/guide/Corvix-images are made this way (and
# committed); release.sh makes them afresh for the package.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
caption="Corvix - Adaptation of Extensions"
build=${CORVIX_WIN32_BUILD:-$root/build/win32}
winpath() { local p=${1//\//\\}; echo "Z:$p"; }

if [ "${1:-}" != --session ]; then
    [ $# -eq 1 ] || { echo "usage: tools/screenshots.sh OUTDIR" >&2; exit 2; }
    mkdir -p "$1"
    out=$(cd "$1" && pwd)
    for f in corvix.exe tests/e2e/winprobe.exe tests/e2e/windrive.exe; do
        [ -f "$build/$f" ] || { echo "screenshots: $build/$f is missing; build it first" >&2; exit 1; }
    done
    work=$(mktemp -d /tmp/corvix-shots.XXXXXX)
    export WINEPREFIX="$work/prefix" WINEARCH=win32 WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
    cleanup() {
        wineserver -k 2>/dev/null || true
        rm -rf "$work"
    }
    trap cleanup EXIT
    # shellcheck source=tools/wine-prefix.sh
    source "$root/tools/wine-prefix.sh"
    make_wine_prefix
    wine regedit /S "$(winpath "$root/tools/default-associations.reg")"
    # What "Open with" offers for .txt: its class and one left behind.
    wine reg add 'HKCR\.txt\OpenWithProgids' /v txtfile /t REG_NONE /f >/dev/null
    wine reg add 'HKCR\.txt\OpenWithProgids' /v UltraEdit.txt /t REG_NONE /f >/dev/null
    # This user's own .log, which hides every user's.
    wine reg add 'HKCU\Software\Classes\.log' /ve /d txtfile /f >/dev/null
    # Windows 2000 (no warning), one Wine desktop for the program and its
    # drivers, which draws the window frames.
    {
        printf 'REGEDIT4\n\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\corvix.exe]\n"Version"="win2k"\n\n'
        for exe in corvix.exe winprobe.exe windrive.exe; do
            printf '[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\%s\\Explorer]\n"Desktop"="Corvix"\n\n' "$exe"
        done
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\n"Corvix"="1024x768"\n\n'
    } >"$work/settings.reg"
    wine regedit /S "$(winpath "$work/settings.reg")"
    if [ -n "${CORVIX_DPI:-}" ]; then
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$CORVIX_DPI" /f \
            >/dev/null
    fi
    app="$WINEPREFIX/drive_c/Corvix"
    mkdir -p "$app"
    cp "$build/corvix.exe" "$app/"
    printf '[MainForm]\r\nTab=0\r\nLastExt=.txt\r\nLastClass=txtfile\r\n' >"$app/settings.ini"
    printf '%s\r\n' '<?xml version="1.0" encoding="UTF-8"?>' '<DefaultAssociations Version="1">' \
        '  <Association Identifier=".txt" ProgId="txtfile" ApplicationName="Notepad" />' \
        '  <Association Identifier=".log" ProgId="txtfile" ApplicationName="Notepad" />' \
        '  <Association Identifier=".ini" ProgId="txtfile" ApplicationName="Notepad" Suggested="true" />' \
        '  <Association Identifier=".htm" ProgId="htmlfile" ApplicationName="Browser" />' \
        '  <Association Identifier=".md" ProgId="txtfile" ApplicationName="Notepad" />' \
        '  <Association Identifier=".xyz" ProgId="xyzfile" ApplicationName="XYZ" />' \
        '  <Association Identifier="mailto" ProgId="mailfile" ApplicationName="Mail" />' \
        '</DefaultAssociations>' >"$WINEPREFIX/drive_c/profile.xml"
    wineserver -w
    xvfb-run -a -s "-screen 0 1024x768x24" "$0" --session "$out" "$work"
    exit 0
fi

# --- Inside Xvfb.
out=$2
work=$3
probe=$(winpath "$build/tests/e2e/winprobe.exe")
drive=$(winpath "$build/tests/e2e/windrive.exe")
field() { sed -n "s/^$1=//p" "$work/$2" | tr -d '\r' | head -n 1; }
fail() {
    echo "screenshots: $*" >&2
    for f in "$work"/*.out; do
        [ -f "$f" ] && { echo "--- $(basename "$f")" >&2; tr -d '\r' <"$f" >&2; }
    done
    exit 1
}
# play OUT STEP...: windrive's steps; its output (bounds) in $work/OUT.
play() {
    local outfile=$1
    shift
    wine "$drive" "$pid" "$@" >"$work/$outfile" 2>>"$work/drive.out" || fail "driving: $*"
}
# shot NAME CAPTION: the window captioned CAPTION, cut from the screen.
shot() {
    play bounds.txt "wait=$2" "bounds=window"
    local b
    b=$(field window bounds.txt)
    IFS=, read -r x y w h <<<"$b"
    sleep 1 # let it finish painting
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/$1.png"
    echo "== $out/$1.png (${w} x ${h})"
}

# The program's output goes to a file: it keeps winprobe's output open.
wine "$probe" launch 'C:\Corvix\corvix.exe' --caption "$caption" --timeout 120 \
    >"$work/launch.out" 2>/dev/null || fail "corvix.exe did not come up"
pid=$(field pid launch.out)
shot main-window "$caption"
play tab.out "wait=$caption" "tab=1" "select=txtfile"
shot class-view "$caption"
# The main menu's items are numbered from 0xA001 in the order of its rows
# (separators included): "Configuration ..." is 0xA018.
play actions.out "wait=$caption" "check=Show Actions" "wait=txtfile" "mouse=SysTreeView32:40,8"
shot actions txtfile
play close-actions.out "wait=txtfile" "key=ESCAPE" "wait=$caption" "command=0xA018"
shot configuration Configuration
play cancel.out "wait=Configuration" "click=Cancel" "wait=$caption"
# The search field is the window's first edit field.
play search.out "wait=$caption" "tab=0" "type=0:ht" "select=.htm"
shot search "$caption"
play opens.out "wait=$caption" "type=0:" "select=.txt" "click=Opens with ..."
shot opens-with "Opens with - .txt"
play close-opens.out "wait=Opens with - .txt" "click=Close" "wait=$caption"
play stores.out "wait=$caption" "select=.log"
shot stores "$caption"
# "Apply profile ..." (0xA006) asks for the file in the system's dialog.
play apply.out "wait=$caption" "command=0xA006" "wait=Apply profile" "type=0:C:\\profile.xml" \
    "key=RETURN"
shot apply-profile 'Apply profile C:*'
play cancel-apply.out "wait=Apply profile C:*" "click=Cancel" "wait=$caption"
wine "$probe" close "$pid" --caption "$caption" --timeout 60 >"$work/close.out" 2>/dev/null ||
    fail "closing corvix.exe"
