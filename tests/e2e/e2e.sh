#!/usr/bin/env bash
# e2e.sh CASE CORVIX_EXE WINPROBE_EXE: one end-to-end case. corvix.exe runs as
# a program of its own under Wine (the test run's prefix, CORVIX_TEST_PREFIX,
# see tests/wine-run.sh) from a copy in a temporary folder, so its
# "settings.ini" is written there; winprobe.exe finds and drives its window.
#
#   main_window      Windows 2000, the default associations imported: the
#                    window comes up with the scan's "N/M" in the status bar
#                    (checked against the registry) and a filled list; closing
#                    it writes the window state; a second start restores the
#                    selected extension from "settings.ini".
#   untested_system  Windows XP: the untested-system warning comes first,
#                    then the window; closing still writes "settings.ini".
#   second_start     Windows 2000: a second start while the window is open
#                    opens no window of its own and ends at once; the first
#                    window, minimized before, is in front again.
#   version_record   the twelve strings of the version record as the about
#                    box reads them, the copyright sign included.
#   associate        Windows 2000 with changes allowed: an extension is
#                    associated with another class and dissociated again
#                    through the window's box and buttons, the questions
#                    answered; reg query shows each change. In between,
#                    Ctrl+Z from the keyboard in the class box takes back
#                    the typing there and leaves the association.
#   far_east         a Japanese system (LANG=ja_JP.UTF-8, ANSI code page 932):
#                    the extension ".ソ" and the class "表示ファイル", whose
#                    second bytes include "\", are scanned (the status bar's
#                    count is the registry's) and shown in both views (each is
#                    reselected from "settings.ini" and saved back), and the
#                    program in the folder "表示ソフト" writes "settings.ini"
#                    beside itself. ".ソ" is then associated with another
#                    class and the undo takes it back: the journal names the
#                    key whole (in UTF-8), and `reg export` of the keys afterwards is
#                    byte for byte the one before. With CORVIX_SCREENSHOT=FILE.png set,
#                    screenshots of the class view (FILE.png) and of the
#                    extension view (FILE-extensions.png) are written.
#   register_and_delete  Windows 2000 with changes allowed: "New Extension ..."
#                    registers .e2eabc with the new class e2eabcfile, Yes to
#                    the follow-on question registers the class with a
#                    description; `reg query` finds both. "Delete Fileclass"
#                    with Yes to both questions removes the class and its
#                    extension; `reg query` finds neither.
#   command_line     Windows 2000: corvix.exe with arguments, its output
#                    redirected to files: usage and a usage error, the
#                    listing and a record, a change that needs --yes (asked,
#                    nothing changed, exit 4), made with --yes and taken back
#                    by --undo (`reg export` byte for byte), the gate's
#                    refusal (exit 3), and with a journal that can't be
#                    written the change refused without --no-undo (exit 5).
#   console_front    corvix.com beside corvix.exe, started by cmd.exe in a
#                    console (a pseudo terminal) without redirection, on
#                    Windows 2000 and 98: "corvix --list extensions" waits,
#                    prints the listing and returns 0; a change to a class
#                    that isn't registered returns 5 with its message; given a
#                    file's name it returns at once, the window open on the
#                    file's extension.
#   check_cli        Windows XP: `corvix.exe --check` lists exactly the
#                    problems planted (and none of the fine look-alikes beside
#                    them) and ends with 1; `--repair explorer-override` removes
#                    the Explorer's choice.
#   actions          Windows 2000 with changes allowed: in the action window
#                    of a class, "New ..." adds a verb with its caption and
#                    command, "set as default" makes it the default, OK
#                    stores its edited command and "Delete" removes it, each
#                    question answered Yes; `reg query` shows each change,
#                    and four times Edit "Undo" brings the class back as
#                    `reg export` showed it.
#   search           Windows 2000: typing into the search field narrows the
#                    extensions, then the classes, to the names holding the
#                    text (ignoring case, with a wildcard), and an empty field
#                    shows all again.
#   beyond_code_page Windows 2000 on a Western system (code page 1252): a class
#                    whose description, icon and commands hold "Zoë 文書", a
#                    verb "打开", an Open With entry "Ωmega.文書", and the
#                    classes "Ωmega" and "Omega" side by side. --list keeps
#                    them apart (the redirected output in the code page,
#                    "Ω" as "?", never "O"), --show reaches each by its name,
#                    --export-backup succeeds, and --delete-class with --yes
#                    deletes the class and its extension; --undo brings both
#                    back as `reg export` showed them.
#   user_choice      Windows XP and Windows 10: Explorer's own layer planted
#                    (a choice, with its hash on 10; an Open With list with a
#                    class and a program that are not there; a perceived
#                    type): --show tells what opens the extension and why,
#                    --check finds the choice and the stale entries, and
#                    --reset-choice then --undo leaves the user's key as
#                    `regedit /E` showed it. Started with the extension as its
#                    argument, the window opens on it.
#   profiles         Windows 2000, two prefixes: the test run's and a fresh
#                    one holding other associations. Every association of the
#                    first is exported as the default-associations XML and as
#                    .reg; the XML is applied to the second (with
#                    --skip-missing, as classes only the .reg brings are
#                    missing there), then the .reg. Then --dry-run of both
#                    exits 0 on the second, every extension of the profile
#                    names the same class in both (--list compared), and one
#                    --undo per apply brings the second back exactly (regedit /E
#                    of HKEY_CLASSES_ROOT compared). A profile written by hand
#                    with "Version" and "Suggested" applies through MSXML; bad
#                    files (XML not well-formed, another root, a missing
#                    attribute, a bad identifier, a .reg key outside the
#                    classes) each name their line and cause and change nothing.
#   undo_after_crash Windows 2000 with changes allowed: "Delete Fileclass"
#                    removes a class and its extension whose keys hold values
#                    of every type; the process is then killed (no clean
#                    shutdown), started again, and Edit "Undo ..." (answered
#                    Yes) brings both keys back as `reg export` showed them.
#                    Then an association is changed, File "Export backup ..."
#                    writes the changed key as it was before the change, the
#                    key is deleted, and `regedit /S` of the backup brings it
#                    back as it was before the association.
#   stores           Windows XP: keys in this user's store, in every user's
#                    and in both, shown with their stores in the window
#                    (CORVIX_SCREENSHOT) and by --list/--show; --scope user
#                    --assoc and --undo change the user's store alone; the
#                    hiding entry checked and repaired; the backup restores
#                    each key in its own store.
set -euo pipefail
case_name=$1
corvix=$2
probe=$3
drive=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
wine_run="$root/tests/wine-run.sh"
caption="Corvix - Adaptation of Extensions"

# Windows need an X display; ctest normally runs under xvfb-run already.
if [ -z "${DISPLAY:-}" ] && [ "$case_name" != version_record ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d /tmp/corvix-e2e.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    # A program left running would take the next case's start for a second
    # one and end it.
    if [ -n "${pid:-}" ]; then
        "$wine_run" taskkill /f /pid "$pid" >/dev/null 2>&1 || true
    fi
    for f in "$work"/*.out "$work"/*.err "$work/settings.ini"; do
        [ -f "$f" ] && { echo "--- $(basename "$f")" >&2; cat "$f" >&2; }
    done
    exit 1
}
winpath() { local p=${1//\//\\}; echo "Z:$p"; }

# probe OUT ARGS...: runs winprobe with its output in $work/OUT.out. (Under Wine
# the started program keeps winprobe's output open, so no pipe is used.)
probe() {
    local out="$work/$1.out"
    shift
    "$wine_run" "$probe" "$@" >"$out" 2>/dev/null
}
field() { sed -n "s/^$2=//p" "$work/$1.out" | tr -d '\r' | head -n 1; }
ini_value() { tr -d '\r' <"$work/settings.ini" | sed -n "/^\[$1\]/,/^\[/s/^$2=//p" | head -n 1; }

# A copy of the program with a name of its own, so that the Windows version
# set for it does not touch other programs of the prefix.
exe_name="corvix_e2e_$case_name.exe"
cp "$corvix" "$work/$exe_name"
exe=$(winpath "$work/$exe_name")
# cli OUT ARGS...: corvix.exe with arguments, its output in OUT.out and
# OUT.err; the exit code in $code.
cli() {
    local out=$1
    shift
    code=0
    "$wine_run" "$work/$exe_name" "$@" >"$work/$out.out" 2>"$work/$out.err" </dev/null || code=$?
}
set_windows() {
    "$wine_run" reg add "HKCU\\Software\\Wine\\AppDefaults\\$exe_name" /v Version /d "$1" /f \
        >/dev/null 2>&1
}

case "$case_name" in
main_window)
    "$wine_run" regedit /S "$(winpath "$root/tools/default-associations.reg")" >/dev/null 2>&1 ||
        fail "importing the default associations"
    set_windows win2k
    probe counts counts || fail "winprobe counts"
    expected=$(field counts status)
    [ "$(field counts extensions)" -ge 250 ] || fail "the default associations are missing"

    probe first launch "$exe" --timeout 120 --close || fail "first start"
    [ "$(field first status)" = "$expected" ] ||
        fail "status bar shows '$(field first status)', the registry holds $expected"
    [ "$(field first list_items)" = "$(field counts extensions)" ] ||
        fail "the list shows $(field first list_items) extensions, not $(field counts extensions)"
    [ "$(field first exit_code)" = 0 ] || fail "exit code $(field first exit_code)"
    [ -f "$work/settings.ini" ] || fail "no settings.ini beside the program"
    grep -q '^\[MainForm\]' "$work/settings.ini" || fail "settings.ini has no [MainForm] section"
    # First start: 385 x 465, centred on the 1024 x 768 screen, first tab.
    [ "$(ini_value MainForm Width)" = 385 ] || fail "Width"
    [ "$(ini_value MainForm Height)" = 465 ] || fail "Height"
    [ "$(ini_value MainForm Maximized)" = 0 ] || fail "Maximized"
    [ "$(ini_value MainForm Tab)" = 0 ] || fail "Tab"
    screen=$(field first screen)
    [ "$(ini_value MainForm Left)" = $(((${screen%x*} - 385) / 2)) ] || fail "Left on a $screen screen"
    [ "$(ini_value MainForm Top)" = $(((${screen#*x} - 465) / 2)) ] || fail "Top on a $screen screen"
    first_ext=$(ini_value MainForm LastExt)
    [[ "$first_ext" == .* ]] || fail "LastExt '$first_ext' is no extension"

    # Second start: the saved extension is selected again and saved again.
    sed -i 's/^LastExt=.*/LastExt=.txt/' "$work/settings.ini"
    probe second launch "$exe" --timeout 120 --close || fail "second start"
    [ "$(field second status)" = "$expected" ] || fail "second start shows '$(field second status)'"
    [ "$(ini_value MainForm LastExt)" = .txt ] || fail "LastExt .txt was not restored"
    echo "start-up: window after $(field first window_ms) ms, list filled after" \
        "$(field first ready_ms) ms; status $(field first status)"
    ;;
beyond_code_page)
    set_windows win2k
    printf '[config]\r\nSaveMode=0\r\n' >"$work/settings.ini"
    reg="$work/beyond.reg"
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
        '[HKEY_CLASSES_ROOT\.e2ezoe]' '@="e2ezoefile"' '' \
        '[HKEY_CLASSES_ROOT\.e2ezoe\OpenWithProgids]' '"Ωmega.文書"=""' '' \
        '[HKEY_CLASSES_ROOT\e2ezoefile]' '@="Zoë 文書"' '' \
        '[HKEY_CLASSES_ROOT\e2ezoefile\DefaultIcon]' '@="C:\\文書\\a.ico,0"' '' \
        '[HKEY_CLASSES_ROOT\e2ezoefile\shell\open\command]' '@="notepad.exe \"C:\\文書\\%1\""' '' \
        '[HKEY_CLASSES_ROOT\e2ezoefile\shell\打开\command]' '@="notepad.exe %1"' '' \
        '[HKEY_CLASSES_ROOT\Ωmega]' '@="Greek omega"' '' \
        '[HKEY_CLASSES_ROOT\Omega]' '@="Latin O"' '' \
        '[HKEY_CLASSES_ROOT\.e2eom1]' '@="Ωmega"' '' '[HKEY_CLASSES_ROOT\.e2eom2]' '@="Omega"' '' |
        iconv -f UTF-8 -t UTF-16 >"$reg"
    "$wine_run" regedit /S "$(winpath "$reg")" >/dev/null 2>&1 || fail "importing $reg"
    # Redirected output is in the ANSI code page: the names are read back
    # from it as Windows-1252, where "Ω" and "文書" can only be "?".
    cli list --list extensions
    [ $code = 0 ] || fail "--list extensions gave $code"
    listed=$(tr -d '\r' <"$work/list.out" | iconv -f CP1252 -t UTF-8 | cut -f1,2)
    grep -qx "$(printf '.e2eom1\t?mega')" <<<"$listed" &&
        grep -qx "$(printf '.e2eom2\tOmega')" <<<"$listed" ||
        fail "--list does not list both omegas apart: $(grep -a e2eom <<<"$listed")"
    cli greek --show 'Ωmega'
    [ $code = 0 ] && grep -q 'Greek omega' "$work/greek.out" || fail "--show Ωmega gave $code"
    cli latin --show Omega
    [ $code = 0 ] && grep -q 'Latin O' "$work/latin.out" || fail "--show Omega gave $code"
    cli backup --export-backup "$(winpath "$work/backup.reg")"
    [ $code = 0 ] || fail "--export-backup gave $code: $(cat "$work/backup.err")"
    iconv -f UTF-16 -t UTF-8 "$work/backup.reg" >"$work/backup.txt"
    grep -q '^\[HKEY_LOCAL_MACHINE\\Software\\Classes\\Ωmega\]' "$work/backup.txt" || fail "the backup lacks Ωmega"
    export_keys() {
        local key n=0
        for key in .e2ezoe e2ezoefile; do
            n=$((n + 1))
            "$wine_run" reg export "HKCR\\$key" "$(winpath "$work/$1-$n.reg")" /y >/dev/null 2>&1 ||
                echo absent >"$work/$1-$n.reg"
        done
    }
    export_keys before
    cli delete --delete-class e2ezoefile --yes
    [ $code = 0 ] || fail "--delete-class gave $code: $(cat "$work/delete.err")"
    ! "$wine_run" reg query 'HKCR\e2ezoefile' >/dev/null 2>&1 || fail "the class is still there"
    ! "$wine_run" reg query 'HKCR\.e2ezoe' >/dev/null 2>&1 || fail "the extension is still there"
    cli undo --undo --yes
    [ $code = 0 ] || fail "--undo gave $code: $(cat "$work/undo.err")"
    export_keys after
    for n in 1 2; do
        cmp -s "$work/before-$n.reg" "$work/after-$n.reg" ||
            fail "key $n differs after the undo: $(iconv -f UTF-16 -t UTF-8 "$work/after-$n.reg")"
    done
    for key in .e2ezoe e2ezoefile 'Ωmega' Omega .e2eom1 .e2eom2; do
        "$wine_run" reg delete "HKCR\\$key" /f >/dev/null 2>&1 || true
    done
    echo "beyond the code page: both omegas listed and shown, backup written, class deleted and undone exactly"
    ;;
profiles)
    set_windows win2k
    printf '[config]\r\nSaveMode=0\r\n' >"$work/settings.ini"
    second="$work/second-prefix"
    on_second() { CORVIX_TEST_PREFIX="$second" "$@"; }
    # The first machine: a class with an action and an icon; the second: the
    # extension linked elsewhere, a class of its own.
    printf '%s\r\n' REGEDIT4 '' '[HKEY_CLASSES_ROOT\.e2eprof]' '@="e2eproffile"' '' \
        '[HKEY_CLASSES_ROOT\e2eproffile]' '@="Profile file"' '' \
        '[HKEY_CLASSES_ROOT\e2eproffile\DefaultIcon]' '@="notepad.exe,1"' '' \
        '[HKEY_CLASSES_ROOT\e2eproffile\shell\open\command]' '@="notepad.exe %1"' '' \
        '[HKEY_CLASSES_ROOT\.e2eprof2]' '@="txtfile"' '' >"$work/first.reg"
    "$wine_run" regedit /S "$(winpath "$work/first.reg")" >/dev/null 2>&1 || fail "importing first.reg"
    printf '%s\r\n' REGEDIT4 '' '[HKEY_CLASSES_ROOT\.e2eprof]' '@="e2eotherfile"' '' \
        '[HKEY_CLASSES_ROOT\e2eotherfile]' '@="Other"' '' \
        '[HKEY_CLASSES_ROOT\.e2eprof2]' '@="e2eotherfile"' '' >"$work/second.reg"
    on_second "$wine_run" regedit /S "$(winpath "$work/second.reg")" >/dev/null 2>&1 ||
        fail "importing second.reg"
    on_second "$wine_run" reg add "HKCU\\Software\\Wine\\AppDefaults\\$exe_name" /v Version \
        /d win2k /f >/dev/null 2>&1
    cli xml --export associations "$(winpath "$work/all.xml")"
    [ $code = 0 ] || fail "--export associations gave $code: $(cat "$work/xml.err")"
    grep -q '<Association Identifier=".e2eprof" ProgId="e2eproffile" ApplicationName="Profile file" />' \
        "$work/all.xml" || fail "the XML lacks .e2eprof"
    cli reg --export reg "$(winpath "$work/all.reg")"
    [ $code = 0 ] || fail "--export reg gave $code: $(cat "$work/reg.err")"
    cli list1 --list extensions
    dump2() { on_second "$wine_run" regedit /E "$(winpath "$work/$1")" HKEY_CLASSES_ROOT >/dev/null 2>&1; }
    dump2 before.reg
    # cli2 OUT ARGS...: corvix.exe on the second prefix.
    cli2() { local out=$1; shift; code=0
        on_second "$wine_run" "$work/$exe_name" "$@" >"$work/$out.out" 2>"$work/$out.err" </dev/null ||
            code=$?; }
    cli2 xmldry --apply "$(winpath "$work/all.xml")" --dry-run
    [ $code = 5 ] && grep -q "^missing	.e2eprof	the class 'e2eproffile' is not registered" \
        "$work/xmldry.out" || fail "the dry run of the XML gave $code: $(cat "$work/xmldry.out")"
    cli2 xmlapply --apply "$(winpath "$work/all.xml")" --skip-missing --yes
    [ $code = 0 ] || fail "applying the XML gave $code: $(cat "$work/xmlapply.err")"
    dump2 between.reg
    cli2 regapply --apply "$(winpath "$work/all.reg")" --yes
    [ $code = 0 ] || fail "applying the .reg gave $code: $(cat "$work/regapply.err")"
    for profile in all.reg all.xml; do
        cli2 dry --apply "$(winpath "$work/$profile")" --dry-run
        [ $code = 0 ] || fail "the dry run of $profile on the second gave $code: $(grep -v '^unchanged' "$work/dry.out")"
    done
    cli2 list2 --list extensions
    # Every extension of the profile names the same class on both.
    sed -n 's/.*Identifier="\([^"]*\)".*/\1/p' "$work/all.xml" | sort >"$work/profiled.txt"
    for n in 1 2; do tr -d '\r' <"$work/list$n.out" | sort | join -t "$(printf '\t')" "$work/profiled.txt" - \
        >"$work/joined$n.txt"; done
    [ -s "$work/joined1.txt" ] && cmp -s "$work/joined1.txt" "$work/joined2.txt" ||
        fail "the classes differ: $(diff "$work/joined1.txt" "$work/joined2.txt" | head -5)"
    cli2 undo1 --undo --yes
    [ $code = 0 ] || fail "the undo of the .reg gave $code"
    dump2 undone1.reg
    cmp -s "$work/between.reg" "$work/undone1.reg" || fail "the undo of the .reg is not exact"
    cli2 undo2 --undo --yes
    dump2 undone2.reg
    cmp -s "$work/before.reg" "$work/undone2.reg" || fail "the undo of the XML is not exact"

    # Written by hand, in Windows 11's form; then the bad files.
    printf '%s\r\n' '<?xml version="1.0" encoding="UTF-8"?>' '<DefaultAssociations Version="1">' \
        '  <Association Identifier=".e2eprof" ProgId="txtfile" ApplicationName="Notepad" Suggested="true" />' \
        '  <Association Identifier="mailto" ProgId="txtfile" ApplicationName="Notepad" />' \
        '</DefaultAssociations>' >"$work/hand.xml"
    cli2 hand --apply "$(winpath "$work/hand.xml")" --yes
    [ $code = 0 ] && on_second "$wine_run" reg query 'HKCR\.e2eprof' 2>/dev/null | tr -d '\r' |
        grep -q txtfile || fail "the profile written by hand gave $code: $(cat "$work/hand.err")"
    dump2 hand.reg
    bad() { printf '%s\r\n' "${@:3}" >"$work/$1"
        cli2 bad --apply "$(winpath "$work/$1")" --yes
        [ $code = 5 ] && grep -q "$1, line $2: " "$work/bad.err" ||
            fail "$1 gave $code: $(cat "$work/bad.err")"; }
    bad open.xml 3 '<DefaultAssociations>' '<Association Identifier=".e2eprof" ProgId="e2eotherfile">' '</DefaultAssociations>'
    bad root.xml 1 '<Associations>' '</Associations>'
    bad attr.xml 2 '<DefaultAssociations>' '<Association Identifier=".e2eprof" />' '</DefaultAssociations>'
    bad id.xml 3 '<DefaultAssociations>' '' '<Association Identifier="e2e prof" ProgId="txtfile" />' '</DefaultAssociations>'
    bad run.reg 4 REGEDIT4 '[HKEY_CLASSES_ROOT\.e2eprof]' '@="e2eotherfile"' \
        '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run]' '"x"="y.exe"'
    dump2 after-bad.reg
    cmp -s "$work/hand.reg" "$work/after-bad.reg" || fail "a bad file changed the registry"
    for key in .e2eprof .e2eprof2 e2eproffile; do
        "$wine_run" reg delete "HKCR\\$key" /f >/dev/null 2>&1 || true
    done
    WINEPREFIX="$second" wineserver -k >/dev/null 2>&1 || true
    echo "profiles: XML and .reg exported, applied to a second prefix, dry runs 0, classes equal," \
        "each apply undone exactly; a hand-written profile applied, five bad files refused"
    ;;
command_line)
    set_windows win2k
    printf '[config]\r\nSaveMode=0\r\n' >"$work/settings.ini"
    reg="$work/cli.reg"
    printf '%s\r\n' REGEDIT4 '' '[HKEY_CLASSES_ROOT\.e2ecli]' '@="e2eclifile"' '' \
        '[HKEY_CLASSES_ROOT\e2eclifile]' '@="Command line file"' '' \
        '[HKEY_CLASSES_ROOT\e2eclifile\shell\open\command]' '@="notepad.exe %1"' '' \
        '[HKEY_CLASSES_ROOT\e2eclinew]' '@="Other"' '' >"$reg"
    "$wine_run" regedit /S "$(winpath "$reg")" >/dev/null 2>&1 || fail "importing $reg"
    export_key() { "$wine_run" reg export 'HKCR\.e2ecli' "$(winpath "$work/$1")" /y >/dev/null 2>&1; }
    cli usage /?
    [ $code = 0 ] && grep -q 'Exit codes' "$work/usage.out" || fail "/? gave $code"
    cli bad --bogus
    [ $code = 2 ] && grep -q "Unknown argument '--bogus'" "$work/bad.err" || fail "a usage error gave $code"
    cli list --list extensions
    [ $code = 0 ] && tr -d '\r' <"$work/list.out" | cut -f1,2 | grep -qx "$(printf '.e2ecli\te2eclifile')" ||
        fail "--list extensions gave $code"
    cli show --show .e2ecli
    tr -d '\r' <"$work/show.out" | grep -qx 'action open: notepad.exe %1' || fail "--show"
    export_key before.reg
    cli ask --assoc .e2ecli e2eclinew
    [ $code = 4 ] && grep -q "Are you sure to associate '.e2ecli' to 'e2eclinew'?" "$work/ask.err" ||
        fail "a change without --yes gave $code"
    export_key unchanged.reg
    cmp -s "$work/before.reg" "$work/unchanged.reg" || fail "a change without --yes changed the key"
    cli assoc --assoc .e2ecli e2eclinew --keep
    [ $code = 0 ] || fail "--assoc --keep gave $code"
    "$wine_run" reg query 'HKCR\.e2ecli' 2>/dev/null | tr -d '\r' | grep -q 'e2eclinew' ||
        fail "the association was not made"
    cli undo --undo --yes
    [ $code = 0 ] || fail "--undo gave $code"
    export_key after.reg
    cmp -s "$work/before.reg" "$work/after.reg" || fail "the undo did not restore the key"
    printf '[config]\r\nSaveMode=1\r\n' >"$work/settings.ini"
    cli refused --delete-ext .e2ecli --yes
    [ $code = 3 ] && grep -q 'no changes should be done' "$work/refused.err" || fail "the gate gave $code"
    printf '[config]\r\nSaveMode=0\r\n' >"$work/settings.ini"
    # A journal that can't be written: its name taken by a folder (the tests
    # run as root, for whom a read-only folder is no obstacle).
    rm -f "$work/undo.log"
    mkdir "$work/undo.log"
    cli nojournal --delete-ext .e2ecli --yes
    [ $code = 5 ] || fail "a change without a writable journal gave $code"
    "$wine_run" reg query 'HKCR\.e2ecli' >/dev/null 2>&1 || fail "the key went without undo"
    cli noundo --delete-ext .e2ecli --yes --no-undo
    [ $code = 0 ] || fail "--no-undo gave $code"
    ! "$wine_run" reg query 'HKCR\.e2ecli' >/dev/null 2>&1 || fail "--no-undo did not delete"
    "$wine_run" reg delete 'HKCR\e2eclifile' /f >/dev/null 2>&1 || true
    "$wine_run" reg delete 'HKCR\e2eclinew' /f >/dev/null 2>&1 || true
    echo "command line: exit codes 0 2 4 0 0 3 5 0 as expected"
    ;;
console_front)
    front="${exe_name%.exe}"
    cp "$(dirname "$corvix")/corvix.com" "$work/$front.com"
    printf '[config]\r\nSaveMode=0\r\nAllowMods=1\r\n' >"$work/settings.ini"
    printf '%s\r\n' REGEDIT4 '' '[HKEY_CLASSES_ROOT\.e2econ]' '@="e2econfile"' '' >"$work/front.reg"
    "$wine_run" regedit /S "$(winpath "$work/front.reg")" >/dev/null 2>&1 || fail "importing front.reg"
    # con OUT COMMAND: cmd.exe runs COMMAND in the work folder, its console a
    # pseudo terminal (script), the output in OUT.out; the exit code in $code.
    con() {
        local out=$1
        code=0
        (cd "$work" && timeout 120 script -qec "'$wine_run' cmd /c '$2'" /dev/null) \
            >"$work/$out.out" 2>&1 </dev/null || code=$?
    }
    for version in win2k win98; do
        set_windows "$version"
        "$wine_run" reg add "HKCU\\Software\\Wine\\AppDefaults\\$front.com" /v Version \
            /d "$version" /f >/dev/null 2>&1
        con "list-$version" "$front --list extensions"
        [ $code = 0 ] || fail "$version: --list through the front gave $code"
        # (The console shows a tab as blanks.)
        grep -Eq '\.e2econ[[:space:]]+e2econfile' "$work/list-$version.out" ||
            fail "$version: the listing did not reach the console"
        con "assoc-$version" "$front --assoc .e2econ nosuchclass --yes"
        [ $code = 5 ] && grep -q "'nosuchclass' is not registered" "$work/assoc-$version.out" ||
            fail "$version: a failing change through the front gave $code"
    done
    # A file's name starts the window on its extension, and the front does
    # not wait for the window. (Output to a file: the window's process keeps
    # the terminal open, and script would wait for it.)
    set_windows win2k
    code=0
    (cd "$work" && timeout 60 "$wine_run" cmd /c "$front C:\\Letters\\offer.e2econ") \
        >"$work/window.out" 2>&1 </dev/null || code=$?
    [ $code = 0 ] || fail "the front starting the window gave $code"
    probe shown find "$exe_name" --timeout 60 || fail "no window after the front started it"
    pid=$(field shown pid)
    probe closed close "$pid" --timeout 60 || fail "closing the window"
    pid=
    [ "$(ini_value MainForm LastExt)" = .e2econ ] ||
        fail "the window showed '$(ini_value MainForm LastExt)', not the file's .e2econ"
    "$wine_run" reg delete 'HKCR\.e2econ' /f >/dev/null 2>&1 || true
    echo "console front: waits, prints and returns 0 and 5 on win2k and win98;" \
        "a file's name opens the window on its extension"
    ;;
untested_system)
    set_windows winxp
    probe xp launch "$exe" --timeout 120 --dismiss Warnung --close || fail "start on Windows XP"
    dialog=$(field xp dialog)
    [[ "$dialog" == "Warnung: This program was not tested with Whistler, so there is just no"* ]] ||
        fail "expected the untested-system warning, got '$dialog'"
    [[ "$dialog" == *"Contact me at "* ]] || fail "the warning names no contact"
    [[ "$(field xp status)" =~ ^[0-9]+/[0-9]+$ ]] || fail "no scan count after the warning"
    grep -q '^\[MainForm\]' "$work/settings.ini" || fail "settings.ini has no [MainForm] section"
    ;;
far_east)
    # A Japanese system for every Wine program of this case.
    locale -a 2>/dev/null | grep -qix 'ja_JP.utf-\?8' || fail "the locale ja_JP.UTF-8 is missing"
    export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    # A prefix of its own, made on that system, so the names stay out of
    # the registry the other cases count.
    export CORVIX_TEST_PREFIX="$work/prefix"
    trap 'WINEPREFIX="$CORVIX_TEST_PREFIX" wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
    reg="$work/far-east.reg"
    # Registry files of version 5 are UTF-16; regedit stores the names in
    # Unicode, and the program reads them back in code page 932.
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
        '[HKEY_CLASSES_ROOT\.ソ]' '@="表示ファイル"' '' \
        '[HKEY_CLASSES_ROOT\表示ファイル]' '@="表示のドキュメント"' '' \
        '[HKEY_CLASSES_ROOT\.ソ\表ソ]' '"ソ"="表示"' '' '[HKEY_CLASSES_ROOT\e2efareast]' '@="Other"' '' |
        iconv -f UTF-8 -t UTF-16 >"$reg"
    "$wine_run" regedit /S "$(winpath "$reg")" >/dev/null 2>&1 || fail "importing $reg"
    # As on a Japanese Windows, Tahoma (the dialog font) borrows the glyphs
    # it lacks from a Japanese font.
    japanese_font=/usr/share/fonts/truetype/vlgothic/VL-Gothic-Regular.ttf
    if [ -f "$japanese_font" ]; then
        cp "$japanese_font" "$CORVIX_TEST_PREFIX/drive_c/windows/Fonts/"
        "$wine_run" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
            /v Tahoma /t REG_MULTI_SZ /d 'VL-Gothic-Regular.ttf,VL Gothic' /f >/dev/null 2>&1
    fi
    folder="$work/表示ソフト"
    mkdir "$folder"
    cp "$corvix" "$folder/corvix.exe"
    exe=$(winpath "$folder/corvix.exe")
    exe_name=corvix.exe
    set_windows win2k
    probe counts counts || fail "winprobe counts"
    expected=$(field counts status)
    ini="$folder/settings.ini"
    # Start on the class view with both names to reselect (the file is in
    # the system's code page).
    printf '[MainForm]\r\nTab=1\r\nLastExt=.ソ\r\nLastClass=表示ファイル\r\n' |
        iconv -f UTF-8 -t CP932 >"$ini"
    probe first launch "$exe" --timeout 120 || fail "start in $folder"
    [ "$(field first status)" = "$expected" ] ||
        fail "status bar shows '$(field first status)', the registry holds $expected"
    if [ -n "${CORVIX_SCREENSHOT:-}" ]; then
        sleep 1
        import -window root "$CORVIX_SCREENSHOT"
    fi
    probe closed close "$(field first pid)" --timeout 60 || fail "closing"
    shown=$(tr -d '\r' <"$ini" | iconv -f CP932 -t UTF-8)
    grep -qx 'LastClass=表示ファイル' <<<"$shown" || fail "the class was not shown: $shown"
    grep -qx 'LastExt=.ソ' <<<"$shown" || fail "the extension was not kept: $shown"
    grep -qx 'Tab=1' <<<"$shown" || fail "no tab saved: $shown"
    # The extension view lists ".ソ" too: started there, it is reselected
    # (an extension not listed would give way to the first one).
    sed -i 's/^Tab=1/Tab=0/' "$ini"
    probe second launch "$exe" --timeout 120 || fail "second start"
    if [ -n "${CORVIX_SCREENSHOT:-}" ]; then
        sleep 1
        import -window root "${CORVIX_SCREENSHOT%.png}-extensions.png"
    fi
    probe closed2 close "$(field second pid)" --timeout 60 || fail "closing again"
    tr -d '\r' <"$ini" | iconv -f CP932 -t UTF-8 | grep -qx 'LastExt=.ソ' ||
        fail "the extension was not listed"

    # Associated and undone: the keys come back byte for byte.
    export_keys() {
        local key n=0
        for key in '.ソ' '表示ファイル' e2efareast; do
            n=$((n + 1))
            "$wine_run" reg export "HKCR\\$key" "$(winpath "$work/$1-$n.reg")" /y >/dev/null 2>&1 ||
                echo absent >"$work/$1-$n.reg"
        done
    }
    export_keys before
    printf '[config]\r\nSaveMode=0\r\nAlwaysAsk=1\r\nOptimizeSystem=1\r\n' >>"$ini"
    probe third launch "$exe" --timeout 120 || fail "third start"
    pid=$(field third pid)
    probe select select "$pid" '.ソ' || fail "selecting .ソ"
    probe type type "$pid" e2efareast || fail "typing the class"
    probe assoc press "$pid" Associate --answer '&Ja' --answer '&Nein' || fail "Associate"
    "$wine_run" reg query 'HKCR\.ソ' /ve 2>/dev/null | grep -q e2efareast || fail ".ソ was not associated"
    grep -q '^image HKEY_LOCAL_MACHINE "Software\\\\Classes\\\\.\\xe3\\x82\\xbd"' "$folder/undo.log" ||
        fail "the journal does not name .ソ whole: $(cat "$folder/undo.log")"
    "$wine_run" "$drive" "$pid" "wait=$caption" "command=0xA00A" "wait=Best*" "click=&Ja" \
        "wait=$caption" >/dev/null 2>>"$work/drive.out" || fail "undoing"
    probe closed3 close "$pid" --timeout 60 || fail "closing the third time"
    export_keys after
    for n in 1 2 3; do
        cmp -s "$work/before-$n.reg" "$work/after-$n.reg" ||
            fail "key $n differs after the undo: $(iconv -f UTF-16 -t UTF-8 "$work/after-$n.reg")"
    done
    grep -q '^undone 1' "$folder/undo.log" || fail "undo.log does not mark the entry undone"
    echo "far east: status $(field first status) (the registry's: $expected), settings.ini in $folder;" \
        ".ソ associated and undone"
    ;;
register_and_delete)
    set_windows win2k
    printf '[config]\r\nSaveMode=0\r\n' >"$work/settings.ini"
    probe start launch "$exe" --timeout 120 || fail "start"
    pid=$(field start pid)
    # play STEP...: windrive's log of the boxes answered goes to drive.out,
    # shown when the case fails.
    play() { "$wine_run" "$drive" "$pid" "$@" >/dev/null 2>>"$work/drive.out" || fail "driving"; }
    query() { "$wine_run" reg query "$1" >"$work/$2.out" 2>/dev/null; }
    # The main menu's items are numbered from 0xA001 in the order of its rows
    # (separators included): "New Extension ..." is 0xA00E, "Delete Fileclass"
    # 0xA012.
    play "wait=$caption" "command=0xA00E" "wait=Register new extension" \
        "type=0:.e2eabc" "type=1:e2eabcfile" "type=2:text/x-e2e" "click=Register" \
        "wait=Best*" "click=&Ja" "wait=e2eabcfile" "type=1:E2E File" "type=2:Made end to end" \
        "click=Register" "wait=$caption"
    query 'HKCR\.e2eabc' ext || fail "no key .e2eabc"
    grep -q 'e2eabcfile' "$work/ext.out" || fail ".e2eabc does not name e2eabcfile"
    grep -q 'text/x-e2e' "$work/ext.out" || fail ".e2eabc has no content type"
    query 'HKCR\e2eabcfile' class || fail "no key e2eabcfile"
    grep -q 'E2E File' "$work/class.out" || fail "e2eabcfile has no description"
    grep -q 'Made end to end' "$work/class.out" || fail "e2eabcfile has no info tip"

    play "wait=$caption" "tab=1" "select=e2eabcfile" "command=0xA012" "wait=Best*" \
        "click=&Ja" "wait=Best*" "click=&Ja" "wait=$caption"
    ! query 'HKCR\e2eabcfile' gone || fail "e2eabcfile is still there"
    ! query 'HKCR\.e2eabc' gone || fail ".e2eabc is still there"
    probe closed close "$pid" || fail "closing"
    ;;
actions)
    set_windows win2k
    trap '"$wine_run" reg delete "HKCR\\e2eactfile" /f >/dev/null 2>&1
          "$wine_run" reg delete "HKCR\\.e2eact" /f >/dev/null 2>&1; rm -rf "$work"' EXIT
    printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CLASSES_ROOT\e2eactfile]' '@="E2E Actions"' '' \
        '[HKEY_CLASSES_ROOT\e2eactfile\shell\open\command]' '@="notepad.exe \"%1\""' '' \
        '[HKEY_CLASSES_ROOT\.e2eact]' '@="e2eactfile"' '' >"$work/fixture.reg"
    "$wine_run" regedit /S "$(winpath "$work/fixture.reg")" >/dev/null 2>&1 || fail "importing the fixture"
    export_class() {
        rm -f "$work/export.reg"
        "$wine_run" reg export 'HKCR\e2eactfile' "$(winpath "$work/export.reg")" /y >/dev/null 2>&1 ||
            fail "reg export"
        iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d '\r' >"$work/$1.snap"
    }
    export_class before
    printf '[config]\r\nSaveMode=0\r\nAlwaysAsk=1\r\n' >"$work/settings.ini"
    probe start launch "$exe" --timeout 120 || fail "start"
    pid=$(field start pid)
    play() { "$wine_run" "$drive" "$pid" "$@" >/dev/null 2>>"$work/drive.out" || fail "driving $*"; }
    query() { "$wine_run" reg query "$1" ${2:-} >"$work/query.out" 2>/dev/null; }
    yes=("wait=Best*" "click=&Ja" "wait=e2eactfile")
    play "wait=$caption" "tab=1" "select=e2eactfile" "check=Show Actions" "wait=e2eactfile" \
        "click=New ..." "wait=New action" "type=0:e2everb" "type=1:E2E Verb" \
        "type=2:e2e.exe \"%1\"" "click=OK" "${yes[@]}"
    query 'HKCR\e2eactfile\shell\e2everb' /s || fail "no verb e2everb"
    grep -q 'E2E Verb' "$work/query.out" || fail "e2everb has no caption"
    grep -q 'e2e.exe "%1"' "$work/query.out" || fail "e2everb has no command"
    # The new verb stays selected for the next steps.
    play "wait=e2eactfile" "click=set as default" "${yes[@]}"
    query 'HKCR\e2eactfile\shell' /ve && grep -q 'REG_SZ *e2everb' "$work/query.out" ||
        fail "e2everb is not the default"
    play "wait=e2eactfile" "type=0:e2e.exe /edit \"%1\"" "click=OK" "${yes[@]}"
    query 'HKCR\e2eactfile\shell\e2everb\command' /ve && grep -q 'e2e.exe /edit "%1"' "$work/query.out" ||
        fail "the command was not stored"
    play "wait=e2eactfile" "click=Delete" "${yes[@]}"
    ! query 'HKCR\e2eactfile\shell\e2everb' || fail "e2everb is still there"
    query 'HKCR\e2eactfile\shell' /ve
    ! grep -q e2everb "$work/query.out" || fail "the default still names e2everb"
    for _ in 1 2 3 4; do
        play "wait=$caption" "command=0xA00A" "wait=Best*" "click=&Ja" "wait=$caption"
    done
    export_class undone
    diff "$work/before.snap" "$work/undone.snap" >"$work/diff.out" ||
        fail "after four undos the class differs:"$'\n'"$(cat "$work/diff.out")"
    probe closed close "$pid" || fail "closing"
    ;;
undo_after_crash)
    set_windows win2k
    keys=(.e2eundo e2eundofile e2eundoother)
    cleanup_keys() {
        for key in "${keys[@]}"; do
            "$wine_run" reg delete "HKCR\\$key" /f >/dev/null 2>&1 || true
        done
    }
    trap 'cleanup_keys; rm -rf "$work"' EXIT
    cleanup_keys
    # Values of every type the program keeps: texts, an empty default, binary,
    # DWORD, multi-string, expandable text, REG_NONE, data long enough to wrap,
    # a key without values and nested subkeys.
    printf '%s\r\n' 'REGEDIT4' '' \
        '[HKEY_CLASSES_ROOT\.e2eundo]' '@="e2eundofile"' '"Content Type"="text/x-e2e-undo"' \
        '"Binary"=hex:00,01,fe,ff' '"Dword"=dword:00010008' \
        '"Multi"=hex(7):6f,6e,65,00,74,77,6f,00,00' \
        '"Expand"=hex(2):25,53,79,73,74,65,6d,52,6f,6f,74,25,5c,78,00' '"None"=hex(0):01,02' '' \
        '[HKEY_CLASSES_ROOT\.e2eundo\ShellNew]' '@=""' '"NullFile"=""' '' \
        '[HKEY_CLASSES_ROOT\.e2eundo\ShellNew\Empty]' '' \
        '[HKEY_CLASSES_ROOT\.e2eundo\ShellNew\Deeper]' \
        '"Long"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,17,\' \
        '  18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27,28,29,2a,2b,2c,2d,2e,2f' '' \
        '[HKEY_CLASSES_ROOT\e2eundofile]' '@="E2E Undo Document"' '"EditFlags"=hex:00,00,01,00' \
        '"BrowserFlags"=dword:00000008' '' \
        '[HKEY_CLASSES_ROOT\e2eundofile\DefaultIcon]' \
        '@=hex(2):25,53,79,73,74,65,6d,52,6f,6f,74,25,5c,6e,6f,74,65,70,61,64,2e,65,78,65,2c,31,00' '' \
        '[HKEY_CLASSES_ROOT\e2eundofile\shell\open\command]' '@="notepad.exe \"%1\""' '' \
        '[HKEY_CLASSES_ROOT\e2eundoother]' '@="E2E Undo Other"' '' >"$work/fixture.reg"
    "$wine_run" regedit /S "$(winpath "$work/fixture.reg")" >/dev/null 2>&1 || fail "importing the fixture"
    # snapshot NAME KEY...: the keys as `reg export` writes them (UTF-16 made
    # UTF-8), or "absent", one after the other in $work/NAME.snap.
    snapshot() {
        local name=$1 key
        shift
        : >"$work/$name.snap"
        for key in "$@"; do
            rm -f "$work/export.reg"
            if "$wine_run" reg export "HKCR\\$key" "$(winpath "$work/export.reg")" /y >/dev/null 2>&1; then
                iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d '\r' >>"$work/$name.snap"
            else
                echo "HKCR\\$key absent" >>"$work/$name.snap"
            fi
        done
    }
    same() { diff "$work/$1.snap" "$work/$2.snap" >"$work/diff.out" || fail "$3:"$'\n'"$(cat "$work/diff.out")"; }
    snapshot before .e2eundo e2eundofile
    grep -q '"Multi"=hex(7)' "$work/before.snap" || fail "the fixture lacks its multi-string"
    printf '[config]\r\nSaveMode=0\r\nAlwaysAsk=1\r\nOptimizeSystem=1\r\n' >"$work/settings.ini"

    started=$SECONDS
    probe start launch "$exe" --timeout 120 || fail "start"
    pid=$(field start pid)
    play() { "$wine_run" "$drive" "$pid" "$@" >/dev/null 2>>"$work/drive.out" || fail "driving"; }
    # The main menu's items are numbered from 0xA001 in the order of its rows
    # (separators included): "Export backup ..." 0xA004, "Undo" 0xA00A,
    # "Delete Fileclass" 0xA012.
    play "wait=$caption" "tab=1" "select=e2eundofile" "command=0xA012" "wait=Best*" \
        "click=&Ja" "wait=Best*" "click=&Ja" "wait=$caption"
    snapshot deleted .e2eundo e2eundofile
    [ "$(grep -c absent "$work/deleted.snap")" = 2 ] || fail "the class and its extension are still there"
    grep -q '^entry 1 "Delete fileclass' "$work/undo.log" || fail "undo.log holds no entry"

    # A crash: the process ends at once, nothing of it runs any more.
    probe killed kill "$pid" --timeout 30 || fail "killing the program"
    probe again launch "$exe" --timeout 120 || fail "start after the crash"
    pid=$(field again pid)
    play "wait=$caption" "command=0xA00A" "wait=Best*" "click=&Ja" "wait=$caption"
    snapshot undone .e2eundo e2eundofile
    same before undone "after the undo the keys differ from before the delete"
    grep -q '^undone 1' "$work/undo.log" || fail "undo.log does not mark the entry undone"
    crash_seconds=$((SECONDS - started))

    # The backup: associate .e2eundo with another class, export the changed
    # key (as it was before its change), delete it, and import the backup
    # with regedit: the key is back as it was before the association.
    snapshot unchanged .e2eundo
    probe select select "$pid" .e2eundo || fail "selecting .e2eundo"
    probe type type "$pid" e2eundoother || fail "typing the class"
    probe assoc press "$pid" Associate --answer '&Ja' --answer '&Nein' || fail "Associate"
    snapshot exported .e2eundo
    grep -q '@="e2eundoother"' "$work/exported.snap" || fail ".e2eundo was not associated"
    backup=$(winpath "$work/backup.reg")
    play "wait=$caption" "command=0xA004" "wait=Best*" "click=&Nein" "wait=Export backup" \
        "type=0:$backup" "click=Save" "wait=$caption"
    [ -f "$work/backup.reg" ] || fail "no backup written"
    # On Windows 2000 the backup is a registry file of version 5, in UTF-16.
    iconv -f UTF-16 -t UTF-8 "$work/backup.reg" | tr -d '\r' >"$work/backup.txt"
    [ "$(head -n 1 "$work/backup.txt")" = 'Windows Registry Editor Version 5.00' ] ||
        fail "the backup is no registry file of version 5"
    probe closed close "$pid" --timeout 60 || fail "closing"
    "$wine_run" reg delete 'HKCR\.e2eundo' /f >/dev/null 2>&1 || fail "deleting .e2eundo"
    "$wine_run" regedit /S "$backup" >/dev/null 2>&1 || fail "importing the backup"
    snapshot imported .e2eundo
    same unchanged imported "the backup imported differs from the key before its change"
    echo "undo after a crash: $crash_seconds s for delete, kill, restart and undo;" \
        "backup of $(grep -c '^\[' "$work/backup.txt") keys imported back"
    ;;
search)
    set_windows win2k
    cleanup_keys() {
        for key in .e2eseekone .e2eseektwo e2eseekfile; do
            "$wine_run" reg delete "HKCR\\$key" /f >/dev/null 2>&1 || true
        done
    }
    trap 'cleanup_keys; rm -rf "$work"' EXIT
    cleanup_keys
    for ext in .e2eseekone .e2eseektwo; do
        "$wine_run" reg add "HKCR\\$ext" /ve /d e2eseekfile /f >/dev/null 2>&1 || fail "adding $ext"
    done
    "$wine_run" reg add 'HKCR\e2eseekfile' /ve /d 'Sought file' /f >/dev/null 2>&1 || fail "adding the class"
    probe start launch "$exe" --timeout 120 || fail "start"
    pid=$(field start pid)
    names=".e2eseekone|.e2eseektwo|e2eseekfile"
    "$wine_run" "$drive" "$pid" "wait=$caption" "items=all:$names" "type=0:e2eSEEK" "items=ext:$names" \
        "tab=1" "items=cls:$names" "type=0:e2e*two" "items=none:$names" "tab=0" \
        "items=wild:$names" "type=0:" "items=back:$names" \
        >"$work/seek.out" 2>>"$work/drive.out" || fail "searching"
    probe closed close "$pid" --timeout 60 || fail "closing"
    [ "$(field seek ext)" = 2 ] && [ "$(field seek ext_found)" = ".e2eseekone|.e2eseektwo" ] ||
        fail "'e2eSEEK' shows $(field seek ext) extensions: '$(field seek ext_found)'"
    [ "$(field seek cls)" = 1 ] && [ "$(field seek cls_selected)" = e2eseekfile ] ||
        fail "'e2eSEEK' shows $(field seek cls) classes: '$(field seek cls_found)'"
    [ "$(field seek none)" = 0 ] || fail "'e2e*two' shows $(field seek none) classes"
    [ "$(field seek wild)" = 1 ] && [ "$(field seek wild_selected)" = .e2eseektwo ] ||
        fail "'e2e*two' shows $(field seek wild) extensions: '$(field seek wild_found)'"
    [ "$(field seek back)" = "$(field seek all)" ] && [ "$(field seek all)" -gt 2 ] ||
        fail "emptied, the list shows $(field seek back) of $(field seek all) extensions"
    echo "search: 2 of $(field seek all) extensions, 1 class, the wildcard 1, all again"
    ;;
second_start)
    set_windows win2k
    probe first launch "$exe" --timeout 120 || fail "first start"
    pid=$(field first pid)
    "$wine_run" "$drive" "$pid" "wait=$caption" "show=minimized" >/dev/null 2>>"$work/drive.out" ||
        fail "minimizing"
    probe second run "$exe" --timeout 60 || fail "the second start did not end by itself"
    [ "$(field second exit_code)" = 0 ] || fail "the second start ended with $(field second exit_code)"
    probe front foreground || fail "no window in front"
    [ "$(field front pid)" = "$pid" ] || fail "the window in front is '$(field front caption)'"
    [ "$(field front iconic)" = 0 ] || fail "the first window is still minimized"
    probe closed close "$pid" --timeout 60 || fail "closing"
    echo "second start: ended after $(field second exit_ms) ms, the first window in front"
    ;;
version_record)
    probe version version "$(winpath "$corvix")" || fail "no version record"
    # The version as VERSION writes it, and with all four numbers.
    version=$(tr -d '[:space:]' <"$root/VERSION")
    four=$version
    while [ "$(tr -cd . <<<"$four" | wc -c)" -lt 3 ]; do four=$four.0; done
    expected_lines=(
        "Translation=040704E4"
        "CompanyName=Corvix"
        "FileDescription=Corvix - Adaptation of Extensions"
        "FileVersion=$four"
        "InternalName=corvix"
        'LegalCopyright=Copyright \xA9 2026 Corvix'
        "LegalTrademarks="
        "OriginalFilename=corvix.exe"
        "ProductName=Corvix"
        "ProductVersion=$version"
        "Homepage=http://www.corvix.de"
        "E-mail=support@corvix.de"
    )
    for line in "${expected_lines[@]}"; do
        tr -d '\r' <"$work/version.out" | grep -qxF "$line" || fail "version record lacks '$line'"
    done
    [ -n "$(field version Comments)" ] || fail "no Comments"
    ;;
associate)
    set_windows win2k
    reg_run() { "$wine_run" reg "$@" 2>/dev/null | tr -d '\r'; }
    cleanup_keys() {
        for key in .e2ea .e2eb e2eclass e2eother; do
            "$wine_run" reg delete "HKCR\\$key" /f >/dev/null 2>&1 || true
        done
    }
    trap 'cleanup_keys; rm -rf "$work"' EXIT
    cleanup_keys
    reg_run add 'HKCR\.e2ea' /ve /d e2eclass /f >/dev/null
    reg_run add 'HKCR\e2eclass' /ve /d "E2E Document" /f >/dev/null
    reg_run add 'HKCR\.e2eb' /ve /d e2eother /f >/dev/null
    reg_run add 'HKCR\e2eother' /ve /d "E2E Other" /f >/dev/null
    printf '[config]\r\nSaveMode=0\r\nAlwaysAsk=1\r\nOptimizeSystem=1\r\n' >"$work/settings.ini"

    probe start launch "$exe" --timeout 120 || fail "start"
    pid=$(field start pid)
    probe select select "$pid" .e2ea || fail "selecting .e2ea"
    probe type type "$pid" e2eother || fail "typing the class"
    probe assoc press "$pid" Associate --answer '&Ja' --answer '&Nein' || fail "Associate"
    grep -q "Are you sure to associate '.e2ea' to 'e2eother'? Note: '.e2ea' is currently associated with 'e2eclass'" \
        "$work/assoc.out" || fail "the question to associate"
    grep -q "The fileclass 'e2eclass' will not be used by any other extension." "$work/assoc.out" ||
        fail "the clean-up question"
    reg_run query 'HKCR\.e2ea' /ve | grep -q 'REG_SZ *e2eother$' || fail "reg query: .e2ea is not linked to e2eother"
    reg_run query 'HKCR\e2eclass' /ve | grep -q 'E2E Document' || fail "e2eclass went, though kept"

    # Ctrl+Z typed in the class box takes back the typing, not the association
    # (whose undo would ask first and leave the typing as it was).
    "$wine_run" "$drive" "$pid" "wait=$caption" "retype=e2eother:e2eoth" "ctrl=e2eoth:Z" \
        "field=e2eother" >/dev/null 2>>"$work/drive.out" || fail "Ctrl+Z in the class box"
    reg_run query 'HKCR\.e2ea' /ve | grep -q 'REG_SZ *e2eother$' || fail "Ctrl+Z undid the association"

    probe dissoc press "$pid" Dissociate --answer '&Ja' --answer '&Nein' || fail "Dissociate"
    grep -q "Are you sure to dissociate '.e2ea' from 'e2eother'?" "$work/dissoc.out" ||
        fail "the question to dissociate"
    grep -q "Erase extension from registry?" "$work/dissoc.out" || fail "the erase question"
    reg_run query 'HKCR\.e2ea' >"$work/after.out" || fail "reg query: .e2ea was erased, though kept"
    ! grep -q e2eother "$work/after.out" || fail "reg query: .e2ea is still linked to e2eother"
    probe close close "$pid" --timeout 60 || fail "closing"
    echo "associate: $(grep -c '^dialog=' "$work/assoc.out") + $(grep -c '^dialog=' "$work/dissoc.out") questions answered"
    ;;
check_cli)
    set_windows winxp
    reg_run() { "$wine_run" reg "$@" 2>/dev/null | tr -d '\r'; }
    fileexts='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\FileExts'
    cleanup_keys() {
        for key in .e2egone .e2eempty .e2enew .e2eok e2eokfile e2ebadfile; do
            "$wine_run" reg delete "HKCR\\$key" /f >/dev/null 2>&1 || true
        done
        "$wine_run" reg delete "$fileexts\\.e2eok" /f >/dev/null 2>&1 || true
    }
    trap 'cleanup_keys; rm -rf "$work"' EXIT
    cleanup_keys
    reg_run add 'HKCR\.e2egone' /ve /d e2egonefile /f >/dev/null
    reg_run add 'HKCR\.e2eempty' /f >/dev/null
    reg_run add 'HKCR\.e2enew\ShellNew' /v NullFile /d "" /f >/dev/null
    reg_run add 'HKCR\.e2eok' /ve /d e2eokfile /f >/dev/null
    reg_run add 'HKCR\e2eokfile\shell\open\command' /ve /d 'notepad.exe %1' /f >/dev/null
    reg_run add 'HKCR\e2eokfile\DefaultIcon' /ve /t REG_EXPAND_SZ \
        /d '%SystemRoot%\system32\shell32.dll,3' /f >/dev/null
    reg_run add 'HKCR\e2eokfile\shell\edit\command' /ve /d 'C:\e2e gone\edit.exe %1' /f >/dev/null
    reg_run add "$fileexts\\.e2eok" /v Progid /d e2eother /f >/dev/null
    printf "[config]\r\nAllowMods=1\r\n" >"$work/settings.ini" # Windows XP: allowed after the warning

    code=0
    "$wine_run" "$exe" --check >"$work/check.out" 2>"$work/check.err" || code=$?
    [ "$code" = 1 ] || fail "--check ended with $code, not 1: $(cat "$work/check.err")"
    tr -d '\r' <"$work/check.out" | grep -E '\.?e2e(gone|empty|new|ok)' >"$work/mine.out" || true
    printf '%s\n' \
        "empty-extension	.e2eempty	no class, no other value, no subkey" \
        "missing-class	.e2egone	names the class 'e2egonefile', which has no key" \
        "user-choice	.e2eok	Explorer opens it as 'e2eother' (Progid), not as 'e2eokfile'" \
        "missing-program	e2eokfile	edit: the program 'C:\e2e gone\edit.exe' is not there" \
        >"$work/expected.out"
    diff "$work/expected.out" "$work/mine.out" >&2 || fail "--check did not list exactly the planted problems"

    # The check window lists the same findings. The main menu's items are
    # numbered from 0xA001 in the order of its rows: "Check associations ..."
    # is 0xA003. Windows XP is warned about at the start.
    probe start launch "$exe" --timeout 120 --dismiss Warnung || fail "start"
    pid=$(field start pid)
    "$wine_run" "$drive" "$pid" "wait=$caption" "command=0xA003" "wait=Check associations" \
        "rows=rows" "key=ESCAPE" >"$work/window.out" 2>>"$work/drive.out" || fail "the check window"
    probe closed close "$pid" --timeout 60 || fail "closing"
    [ "$(field window rows)" = "$(wc -l <"$work/check.out")" ] ||
        fail "the check window lists $(field window rows) findings, --check $(wc -l <"$work/check.out")"

    code=0
    "$wine_run" "$exe" --repair explorer-override .e2eok --yes >/dev/null 2>&1 || code=$?
    [ "$code" = 0 ] || fail "--repair ended with $code"
    ! reg_run query "$fileexts\\.e2eok" /v Progid >/dev/null || fail "the Explorer's choice is still there"
    echo "check_cli: $(wc -l <"$work/check.out") findings in the prefix, the 4 planted ones among them," \
        "as many in the check window"
    ;;
stores)
    set_windows winxp
    reg_run() { "$wine_run" reg "$@" 2>/dev/null | tr -d '\r'; }
    user='HKCU\Software\Classes' machine='HKLM\Software\Classes'
    planted() {
        for key in "$user\\.e2eusr" "$user\\.e2eboth" "$user\\e2eusrfile" \
            "$machine\\.e2emach" "$machine\\.e2eboth" "$machine\\e2emachfile"; do
            "$1" "$key"
        done
    }
    remove_key() { "$wine_run" reg delete "$1" /f >/dev/null 2>&1 || true; }
    unplant() { planted remove_key; remove_key "$user\\.e2emach"; }
    trap 'unplant; rm -rf "$work"' EXIT
    unplant
    reg_run add "$user\\.e2eusr" /ve /d e2eusrfile /f >/dev/null
    reg_run add "$user\\.e2eboth" /ve /d e2eusrfile /f >/dev/null
    reg_run add "$user\\e2eusrfile\\shell\\open\\command" /ve /d 'notepad.exe %1' /f >/dev/null
    reg_run add "$machine\\.e2emach" /ve /d e2emachfile /f >/dev/null
    reg_run add "$machine\\.e2eboth" /ve /d e2emachfile /f >/dev/null
    reg_run add "$machine\\e2emachfile" /ve /d 'All users' /f >/dev/null
    printf '[config]\r\nAllowMods=1\r\n[MainForm]\r\nTab=0\r\nLastExt=.e2eboth\r\n' \
        >"$work/settings.ini"
    export_stores() { # export_stores NAME: both stores' planted keys as reg export gives them
        : >"$work/$1.reg"
        for key in .e2eusr .e2emach .e2eboth e2eusrfile e2emachfile; do
            for store in "$user" "$machine"; do
                if "$wine_run" reg export "$store\\$key" "$(winpath "$work/key.reg")" /y \
                    >/dev/null 2>&1; then
                    cat "$work/key.reg" >>"$work/$1.reg"
                fi
            done
        done
    }

    # Shown: the window on .e2eboth, then the listing and the record.
    probe start launch "$exe" --timeout 120 --dismiss Warnung || fail "start"
    if [ -n "${CORVIX_SCREENSHOT:-}" ]; then
        sleep 1
        import -window root "$CORVIX_SCREENSHOT"
    fi
    probe closed close "$(field start pid)" --timeout 60 || fail "closing"
    [ "$(ini_value MainForm LastExt)" = .e2eboth ] || fail ".e2eboth was not shown"
    cli list --list extensions
    tr -d '\r' <"$work/list.out" | grep -E '^\.e2e(both|mach|usr)\s' >"$work/mine.out" || true
    printf '%s\n' ".e2eboth	e2eusrfile	this user, hiding all users' entry" \
        ".e2emach	e2emachfile	all users" ".e2eusr	e2eusrfile	this user" >"$work/expected.out"
    diff "$work/expected.out" "$work/mine.out" >&2 || fail "--list does not give the stores"
    cli show --show .e2eboth
    tr -d '\r' <"$work/show.out" | grep -qx "stored: this user, hiding all users' entry" ||
        fail "--show does not give the store"

    # Changed for this user: the user's store alone, undone exactly.
    export_stores before
    cli assoc --scope user --assoc .e2emach e2eusrfile --yes
    [ "$code" = 0 ] || fail "--scope user --assoc ended with $code"
    reg_run query "$user\\.e2emach" /ve | grep -q e2eusrfile || fail "the user's store was not written"
    reg_run query "$machine\\.e2emach" /ve | grep -q e2emachfile || fail "all users' store was written"
    cli undo --undo --yes
    [ "$code" = 0 ] || fail "--undo ended with $code"
    export_stores undone
    cmp -s "$work/before.reg" "$work/undone.reg" || fail "the undo did not restore both stores exactly"

    # The hiding entry: found and repaired.
    cli check --check
    tr -d '\r' <"$work/check.out" | grep -qx "user-hides-machine	.e2eboth	this user's entry names 'e2eusrfile' and hides all users' entry, which names 'e2emachfile'" ||
        fail "--check does not find the hiding entry"
    cli repair --repair user-hides-machine .e2eboth --yes
    [ "$code" = 0 ] || fail "--repair ended with $code"
    ! reg_run query "$user\\.e2eboth" >/dev/null || fail "the user's entry is still there"
    cli shown --show .e2eboth
    tr -d '\r' <"$work/shown.out" | grep -qx 'class: e2emachfile' || fail "all users' entry does not hold"
    cli undo2 --undo --yes

    # The backup restores each key in its own store.
    cli backup --export-backup "$(winpath "$work/backup.reg")"
    [ "$code" = 0 ] || fail "--export-backup ended with $code"
    planted remove_key
    "$wine_run" regedit /S "$(winpath "$work/backup.reg")" >/dev/null 2>&1 || fail "importing the backup"
    export_stores restored
    cmp -s "$work/before.reg" "$work/restored.reg" || fail "the backup did not restore each store"
    echo "stores: shown, changed for this user and undone, repaired, restored from the backup"
    ;;
user_choice)
    # Explorer's own layer above HKEY_CLASSES_ROOT, planted as Windows keeps
    # it, on Windows XP and on Windows 10 (a choice with its hash).
    reg_run() { "$wine_run" reg "$@" 2>/dev/null | tr -d '\r'; }
    fileexts='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\FileExts'
    fileexts_long="HKEY_CURRENT_USER${fileexts#HKCU}"
    cleanup_keys() {
        for key in .e2eu e2eufile e2eother; do
            "$wine_run" reg delete "HKCR\\$key" /f >/dev/null 2>&1 || true
        done
        "$wine_run" reg delete "$fileexts\\.e2eu" /f >/dev/null 2>&1 || true
    }
    trap 'cleanup_keys; rm -rf "$work"' EXIT
    # Changes allowed after the untested-system warning (told on the console).
    printf '[config]\r\nAllowMods=1\r\n' >"$work/settings.ini"
    for version in winxp win10; do
        set_windows $version
        cleanup_keys
        reg_run add 'HKCR\.e2eu' /ve /d e2eufile /f >/dev/null
        reg_run add 'HKCR\.e2eu' /v PerceivedType /d text /f >/dev/null
        reg_run add 'HKCR\.e2eu\OpenWithProgids' /v e2eother /t REG_NONE /f >/dev/null
        reg_run add 'HKCR\.e2eu\OpenWithProgids' /v e2estale /t REG_NONE /f >/dev/null
        reg_run add 'HKCR\e2eufile\shell\open\command' /ve /d 'notepad.exe %1' /f >/dev/null
        reg_run add 'HKCR\e2eother\shell\open\command' /ve /d 'wordpad.exe %1' /f >/dev/null
        reg_run add "$fileexts\\.e2eu\\UserChoice" /v ProgId /d e2eother /f >/dev/null
        [ $version = win10 ] && reg_run add "$fileexts\\.e2eu\\UserChoice" /v Hash /d 'e2eHash=' /f >/dev/null
        reg_run add "$fileexts\\.e2eu\\OpenWithList" /v a /d e2egone.exe /f >/dev/null
        reg_run add "$fileexts\\.e2eu\\OpenWithList" /v MRUList /d a /f >/dev/null
        hash=without; [ $version = win10 ] && hash=with

        cli show-$version --show .e2eu
        [ $code = 0 ] || fail "$version: --show gave $code"
        tr -d '\r' <"$work/show-$version.out" >"$work/show-$version.txt"
        for line in "perceived type: text" \
            "opens with: e2eother (chosen in Windows (UserChoice, $hash a hash))" \
            "opens with command: wordpad.exe %1" \
            'open with: e2eother (.e2eu\OpenWithProgids)' \
            'open with: e2estale (.e2eu\OpenWithProgids) not there' \
            "open with: e2egone.exe (user's OpenWithList) not there"; do
            grep -qxF "$line" "$work/show-$version.txt" || fail "$version: --show lacks '$line'"
        done

        cli check-$version --check
        [ $code = 1 ] || fail "$version: --check gave $code"
        tr -d '\r' <"$work/check-$version.out" | grep -F '.e2eu' >"$work/mine-$version.out" || true
        printf '%s\n' \
            "user-choice	.e2eu	Explorer opens it as 'e2eother' (UserChoice\\Progid), not as 'e2eufile'" \
            "stale-open-with	.e2eu	'Open with' offers 'e2estale' (.e2eu\\OpenWithProgids), which is not there" \
            "stale-open-with	.e2eu	'Open with' offers 'e2egone.exe' (user's OpenWithList), which is not there" \
            >"$work/expected-$version.out"
        diff "$work/expected-$version.out" "$work/mine-$version.out" >&2 ||
            fail "$version: --check did not list the planted choice and stale entries"

        "$wine_run" regedit /E "$(winpath "$work/before-$version.reg")" "$fileexts_long\\.e2eu" >/dev/null 2>&1 ||
            fail "$version: regedit /E"
        cli reset-$version --reset-choice .e2eu --yes
        [ $code = 0 ] || fail "$version: --reset-choice gave $code: $(cat "$work/reset-$version.err")"
        ! reg_run query "$fileexts\\.e2eu\\UserChoice" >/dev/null || fail "$version: the choice is still there"
        cli shown-$version --show .e2eu
        grep -q "opens with: e2eufile (the extension's class)" "$work/shown-$version.out" ||
            fail "$version: after the reset the class does not open it"
        cli undo-$version --undo --yes
        [ $code = 0 ] || fail "$version: --undo gave $code"
        "$wine_run" regedit /E "$(winpath "$work/after-$version.reg")" "$fileexts_long\\.e2eu" >/dev/null 2>&1 ||
            fail "$version: regedit /E after the undo"
        cmp -s "$work/before-$version.reg" "$work/after-$version.reg" ||
            fail "$version: the undo did not bring the user's layer back as regedit /E showed it"
    done

    # An extension as the only argument opens the window on it (without the
    # warning, read-only).
    printf '[config]\r\nVersionWarn=0\r\n' >"$work/settings.ini"
    code=0
    "$wine_run" "$work/$exe_name" .e2eu >/dev/null 2>&1 </dev/null &
    probe shown find "$exe_name" --caption "$caption" --timeout 120 || fail "no window for .e2eu"
    pid=$(field shown pid)
    probe closed close "$pid" --timeout 60 || fail "closing the window"
    wait || true
    [ "$(ini_value MainForm LastExt)" = .e2eu ] ||
        fail "the window showed '$(ini_value MainForm LastExt)', not .e2eu"
    echo "user choice: shown, checked, reset and undone exactly on winxp and win10; the window opens on .e2eu"
    ;;
*)
    echo "unknown case $case_name" >&2
    exit 2
    ;;
esac
echo "e2e $case_name: passed"
