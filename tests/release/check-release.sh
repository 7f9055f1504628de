#!/usr/bin/env bash
# check-release.sh ZIP: checks a package that release.sh made, as a user would
# get it.
#   - Its files are exactly those of a release, its name's version is the
#     version record's, and SHA256SUMS holds the right sum of every other file.
#   - corvix.exe (without its symbol table) has at most 1.3 MB.
#   - The guide has an anchor for every help context and the action window,
#     every link inside it leads somewhere and every picture it shows is there.
#   - Unpacked into a fresh Wine prefix (C:\Corvix), the program starts from
#     there with the scan's counts in its status bar. F1 hands the guide's
#     contents to the web browser (a recorder registered for .html) and the
#     Help button the extension view's place; a browser that can't be started
#     and a missing guide each give an error box naming the file. Closing
#     writes settings.ini beside the program.
#   - release.sh with a folder for the package that can't be written fails
#     with the cause, before it builds anything.
# winprobe and windrive come from build/win32/tests/e2e.
set -euo pipefail
zip=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${CORVIX_WIN32_BUILD:-$root/build/win32}
caption="Corvix - Adaptation of Extensions"

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d /tmp/corvix-release.XXXXXX)
export WINEPREFIX="$work/prefix" WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    for f in "$work"/*.out; do
        [ -f "$f" ] && { echo "--- $(basename "$f")" >&2; tr -d '\r' <"$f" >&2; }
    done
    exit 1
}
winpath() { local p=${1//\//\\}; echo "Z:$p"; }
started=$SECONDS

# --- The archive.
[ -f "$zip" ] || fail "no package $zip; run ./release.sh first"
expected="Corvix-images/actions.png
Corvix-images/apply-profile.png
Corvix-images/class-view.png
Corvix-images/configuration.png
Corvix-images/main-window.png
Corvix-images/opens-with.png
Corvix-images/search.png
Corvix-images/stores.png
Corvix.html
LICENSE.txt
README.txt
SHA256SUMS
corvix.com
corvix.exe"
listed=$(unzip -Z1 "$zip" | grep -v '/$' | LC_ALL=C sort)
[ "$listed" = "$expected" ] || fail "the package holds"$'\n'"$listed"$'\n'"instead of"$'\n'"$expected"
app="$WINEPREFIX/drive_c/Corvix"
mkdir -p "$app"
unzip -q "$zip" -d "$app"
(cd "$app" && sha256sum --quiet -c SHA256SUMS) >"$work/sums.out" 2>&1 || fail "checksums"
# The program without its symbol table, as packed; it was 1.01 MB before the
# stream library crept in and doubled it.
size=$(stat -c %s "$app/corvix.exe")
echo "== corvix.exe: $size bytes"
[ "$size" -le 1300000 ] || fail "corvix.exe has $size bytes, more than 1.3 MB"
summed=$(sed 's/^[0-9a-f]\{64\}  //' "$app/SHA256SUMS" | LC_ALL=C sort)
[ "$summed" = "$(grep -vx SHA256SUMS <<<"$expected")" ] || fail "SHA256SUMS lists $summed"
version=$(i686-w64-mingw32-windres -i "$app/corvix.exe" -O rc |
    sed -n 's/^ *VALUE "ProductVersion", "\([^"]*\)".*/\1/p')
[ "$(basename "$zip")" = "corvix-$version.zip" ] ||
    fail "$(basename "$zip") holds a corvix.exe of version $version"
grep -q "^Corvix $version - " "$app/README.txt" || fail "README.txt names another version"
grep -q $'\r$' "$app/README.txt" || fail "README.txt lacks Windows line ends"

# --- The guide.
guide="$app/Corvix.html"
ids=$(grep -o ' id="[^"]*"' "$guide" | sed 's/^ id="//; s/"$//' | sort)
for anchor in contents context-100 context-200 context-40 context-60 context-0 actions; do
    grep -qx "$anchor" <<<"$ids" || fail "the guide has no anchor $anchor"
done
for link in $(grep -o 'href="#[^"]*"' "$guide" | sed 's/^href="#//; s/"$//' | sort -u); do
    grep -qx "$link" <<<"$ids" || fail "the guide links to #$link, which it lacks"
done
for picture in $(grep -o 'src="[^"]*"' "$guide" | sed 's/^src="//; s/"$//'); do
    [ -s "$app/$picture" ] || fail "the guide shows $picture, which is missing"
done

# --- The program, started from the unpacked folder in a fresh prefix.
probe=$(winpath "$build/tests/e2e/winprobe.exe")
drive=$(winpath "$build/tests/e2e/windrive.exe")
# shellcheck source=tools/wine-prefix.sh
source "$root/tools/wine-prefix.sh"
make_wine_prefix
browser_log="$work/browser.log"
{
    printf 'REGEDIT4\n\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\corvix.exe]\n"Version"="win2k"\n\n'
    # A web browser that writes down what it was asked to open.
    printf '[HKEY_CLASSES_ROOT\\.html]\n@="releasetestbrowser"\n\n'
    printf '[HKEY_CLASSES_ROOT\\releasetestbrowser\\shell\\open\\command]\n@="\\"%s\\" record \\"%s\\" \\"%%1\\""\n\n' \
        "${probe//\\/\\\\}" "$(winpath "$browser_log" | sed 's/\\/\\\\/g')"
} >"$work/setup.reg"
wine regedit /S "$(winpath "$work/setup.reg")" || fail "setting up the prefix"
field() { sed -n "s/^$1=//p" "$work/$2" | tr -d '\r' | head -n 1; }
wine "$probe" counts >"$work/counts.out" 2>/dev/null || fail "winprobe counts"
wine "$probe" launch 'C:\Corvix\corvix.exe' --timeout 120 >"$work/launch.out" 2>/dev/null ||
    fail "corvix.exe did not start from the package"
[ "$(field status launch.out)" = "$(field status counts.out)" ] ||
    fail "status bar $(field status launch.out), registry $(field status counts.out)"
pid=$(field pid launch.out)
play() { wine "$drive" "$pid" "$@" >/dev/null 2>>"$work/drive.out" || fail "driving: $*"; }
# waits_for_browser N: until the browser was started N times.
waits_for_browser() {
    for _ in $(seq 100); do
        [ "$(wc -l 2>/dev/null <"$browser_log" || echo 0)" -ge "$1" ] && return 0
        sleep 0.1
    done
    fail "the browser was started $(wc -l 2>/dev/null <"$browser_log" || echo 0) times, not $1"
}
play "wait=$caption" "key=F1"
waits_for_browser 1
play "wait=$caption" "click=Help"
waits_for_browser 2
opened=$(tr -d '\r' <"$browser_log")
[ "$opened" = "file:///C:/Corvix/Corvix.html#contents
file:///C:/Corvix/Corvix.html#context-100" ] || fail "the browser was asked for: $opened"
# A browser that can't be started, then no guide: each error box gives the cause.
wine reg add 'HKCR\releasetestbrowser\shell\open\command' /ve /f \
    /d '"C:\Missing\browser.exe" "%1"' >/dev/null 2>&1 || fail "registering a missing browser"
play "wait=$caption" "key=F1" "wait=Fehler" "click=OK" "wait=$caption"
grep -q 'C:\\Missing\\browser.exe' "$work/drive.out" || fail "the box does not name the browser"
rm "$guide"
play "wait=$caption" "key=F1" "wait=Fehler" "click=OK" "wait=$caption"
grep -q 'C:\\Corvix\\Corvix.html' "$work/drive.out" || fail "the box does not name the guide"
wine "$probe" close "$pid" --timeout 60 >"$work/close.out" 2>/dev/null || fail "closing"
grep -q '^\[MainForm\]' "$app/settings.ini" || fail "no settings.ini beside the program"
# The console front runs the packaged program and passes on its exit code.
(cd "$app" && wine cmd /c 'corvix --list extensions') >"$work/front.out" 2>&1 </dev/null ||
    fail "corvix --list extensions through corvix.com gave $?"
grep -q "$(printf '^\\.html\treleasetestbrowser')" "$work/front.out" || fail "corvix.com printed no list"

# --- A package folder that can't be written.
touch "$work/not-a-folder"
if CORVIX_DIST="$work/not-a-folder" "$root/release.sh" >/dev/null 2>"$work/refused.out"; then
    fail "release.sh made a package in a file"
fi
grep -q "cannot write the package to $work/not-a-folder (.*File exists)" "$work/refused.out" ||
    fail "release.sh gave no cause: $(cat "$work/refused.out")"

echo "release package $(basename "$zip"): $(wc -l <<<"$expected") files, sums right," \
    "started from a fresh prefix, F1 and Help opened the guide, corvix.com ran it;" \
    "$((SECONDS - started)) s"
