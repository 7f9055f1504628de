#!/usr/bin/env bash
# Builds corvix.exe and starts it under Wine in the project-local prefix
# ./wineprefix, whose HKEY_CLASSES_ROOT holds a realistic set of file
# associations (tools/default-associations.reg, imported again whenever it
# changes). The program lives in ./wineprefix/drive_c/Corvix (C:\Corvix) with
# its settings.ini beside it.
#
# With a display the program simply runs. Without one it runs under Xvfb: the
# script waits for the main window and its filled list, prints the start-up
# time, writes a screenshot to ./screenshots/corvix-main.png and closes the
# program again.
#
#   ./run.sh [--windows VERSION]      or   CORVIX_WINDOWS=VERSION ./run.sh
#
# VERSION is the Windows version Wine reports to corvix.exe: win95, win98,
# winme, nt40, win2k (default: the one system the program counts as tested),
# winxp, win2003, win7 (or another name Wine knows). On every system but
# Windows 2000 the program first warns that it was not tested there; a headless
# run answers that warning with OK.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
caption="Corvix - Adaptation of Extensions"
app_windows_path='C:\Corvix\corvix.exe'

usage() {
    sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'
    exit "${1:-0}"
}

windows=${CORVIX_WINDOWS:-win2k}
headless_session=false
while [ $# -gt 0 ]; do
    case $1 in
    --windows) [ $# -ge 2 ] || usage 2; windows=$2; shift 2 ;;
    --windows=*) windows=${1#--windows=}; shift ;;
    --headless-session) headless_session=true; shift ;; # internal: runs inside xvfb-run
    -h | --help) usage 0 ;;
    *) echo "run.sh: unknown argument $1" >&2; usage 2 ;;
    esac
done
case $windows in
win31 | win95 | win98 | winme | nt351 | nt40 | win2k | winxp | win2003 | vista | win2008 | win7 | win8 | win81 | win10) ;;
*) echo "run.sh: unknown Windows version '$windows'" >&2; usage 2 ;;
esac

export WINEPREFIX="$here/wineprefix" WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
build="$here/build/win32"
app_dir="$WINEPREFIX/drive_c/Corvix"
screenshot="$here/screenshots/corvix-main.png"
winpath() { local p=${1//\//\\}; echo "Z:$p"; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# --- Inside Xvfb: start, wait, measure, photograph, close.
if $headless_session; then
    probe=$(winpath "$build/tests/e2e/winprobe.exe")
    out=$(mktemp /tmp/corvix-run.XXXXXX)
    trap 'rm -f "$out"' EXIT
    field() { sed -n "s/^$1=//p" "$out" | tr -d '\r' | head -n 1; }
    started=$(now_ms)
    # winprobe's output goes to a file: the program it starts keeps its
    # standard output open, so a pipe would not end.
    rc=0
    wine "$probe" launch "$app_windows_path" --caption "$caption" --timeout 120 \
        --dismiss Warnung --dismiss Fehler >"$out" 2>/dev/null || rc=$?
    finished=$(now_ms)
    if [ -n "$(field dialog)" ]; then
        sed -n 's/^dialog=/answered with OK: /p' "$out" | tr -d '\r'
    fi
    if [ $rc -ne 0 ]; then
        echo "== corvix.exe did not come up:" >&2
        tr -d '\r' <"$out" >&2
        exit 1
    fi
    sleep 1 # let the window finish painting
    mkdir -p "$(dirname "$screenshot")"
    import -window root "$screenshot"
    echo "== screenshot: $screenshot"
    echo "== start-up: $(field ready_ms) ms from launching corvix.exe until its window was" \
        "visible with the list filled (window shown after $(field window_ms) ms);" \
        "$((finished - started)) ms wall clock including Wine's start of the probe"
    echo "== status bar: $(field status) (extensions/classes), $(field list_items) items listed"
    pid=$(field pid)
    if wine "$probe" close "$pid" --caption "$caption" --timeout 60 >"$out" 2>/dev/null; then
        echo "== closed (exit code $(field exit_code)); settings: $app_dir/settings.ini"
    else
        echo "== closing failed:" >&2
        tr -d '\r' <"$out" >&2
        exit 1
    fi
    exit 0
fi

# --- Set-up: packages, build, prefix.
# shellcheck source=tools/setup.sh
source "$here/tools/setup.sh"
install_build_tools
echo "== building corvix.exe"
CORVIX_BUILD_TARGETS="corvix winprobe" build_win32

# shellcheck source=tools/wine-prefix.sh
source "$here/tools/wine-prefix.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== creating the Wine prefix $WINEPREFIX (once)"
fi
make_wine_prefix

associations="$here/tools/default-associations.reg"
stamp="$WINEPREFIX/.corvix-associations.sha256"
sum=$(sha256sum <"$associations" | cut -d' ' -f1)
if [ "$(cat "$stamp" 2>/dev/null)" != "$sum" ]; then
    echo "== importing the default file associations"
    wine regedit /S "$(winpath "$associations")"
    echo "$sum" >"$stamp"
fi

# The Windows version for corvix.exe; without a display the program and the
# probe share a Wine desktop of the screen's size, which draws the window
# frames that a bare Xvfb (no window manager) would leave out.
settings=$(mktemp /tmp/corvix-run.XXXXXX.reg)
{
    echo "REGEDIT4"
    echo
    echo "[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\corvix.exe]"
    echo "\"Version\"=\"$windows\""
    echo
    if [ -n "${DISPLAY:-}" ]; then
        echo "[-HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\corvix.exe\\Explorer]"
    else
        for exe in corvix.exe winprobe.exe; do
            echo "[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\$exe\\Explorer]"
            echo "\"Desktop\"=\"Corvix\""
            echo
        done
        echo "[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]"
        echo "\"Corvix\"=\"1024x768\""
    fi
    echo
} >"$settings"
wine regedit /S "$(winpath "$settings")"
rm -f "$settings"

mkdir -p "$app_dir"
cp "$build/corvix.exe" "$app_dir/corvix.exe"
# The user guide beside it, for Help and F1.
cp -r "$here/docs/guide/Corvix.html" "$here/docs/guide/Corvix-images" "$app_dir/"
echo "== Windows version reported to corvix.exe: $windows"

if [ -n "${DISPLAY:-}" ]; then
    echo "== starting corvix.exe (settings: $app_dir/settings.ini)"
    cd "$app_dir"
    exec wine "$app_windows_path"
fi

# No display: the prefix's Wine server must start afresh inside Xvfb, so that
# its desktop belongs to that display.
if ! timeout 60 wineserver -w; then
    echo "run.sh: programs of $WINEPREFIX are still running; close them first" >&2
    exit 1
fi
echo "== no display: running under Xvfb"
exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --headless-session --windows "$windows"
