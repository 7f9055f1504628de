#!/usr/bin/env bash
# check-imports.sh EXE [LIST]: lists every function EXE imports directly, each
# with what LIST (tests/release/win95-nt4-functions.txt) says of it, and fails
# when one is not there as exported by both Windows 95 and NT 4: the loader
# of those systems would refuse the program. Wine exports everything whatever
# version it pretends, so no test under Wine sees it.
set -euo pipefail
exe=$1
list=${2:-$(dirname "$0")/win95-nt4-functions.txt}
[ -f "$exe" ] || { echo "check-imports: no $exe" >&2; exit 2; }

# "library function" per import, the library in lower case; an import by
# number shows as "library #N".
imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '
    /^[ \t]*DLL Name:/ { dll = tolower($3); next }
    /^[ \t]*$/ { next }
    /^The Import Tables|^[ \t]*vma:|Hint\/Ord/ { next }
    dll && /^\t[0-9a-f]+\t/ {
        if (NF >= 3) print dll, $NF; else print dll, "#" $2
    }
    /^The Export Tables|^The Function Table|^PE File Base Relocations/ { dll = "" }
' | LC_ALL=C sort -u)
[ -n "$imports" ] || { echo "check-imports: found no imports in $exe" >&2; exit 2; }

failed=0
count=0
while read -r dll function; do
    count=$((count + 1))
    row=$(awk -v d="$dll" -v f="$function" '$1 == d && $2 == f { print; exit }' "$list")
    if [ -z "$row" ]; then
        echo "FAIL $dll $function: not in $(basename "$list"); add it once checked for Windows 95 and NT 4"
        failed=1
        continue
    fi
    read -r _ _ both where <<<"$row"
    if [ "$both" = yes ]; then
        echo "ok   $dll $function $where"
    else
        echo "FAIL $dll $function: $where; it must not be imported directly"
        failed=1
    fi
done <<<"$imports"

if [ $failed -ne 0 ]; then
    echo "== $exe imports functions Windows 95 or NT 4 lack (of $count checked)"
    exit 1
fi
echo "== all $count imports of $exe are exported by Windows 95 and NT 4"
