#!/usr/bin/env bash
# Builds the release package dist/corvix-VERSION.zip:
#
#   corvix.exe       the program (build/win32, without its symbol table)
#   corvix.com       its console front (typed "corvix ..." in a console, it
#                    runs corvix.exe and waits for it)
#   Corvix.html      the user guide (docs/guide), with its pictures in
#   Corvix-images/   made afresh from this corvix.exe under Xvfb
#   README.txt       for users (docs/release/README.txt)
#   LICENSE.txt      the licence (LICENSE)
#   SHA256SUMS       the checksum of every other file, as sha256sum writes it
#
# VERSION is the "ProductVersion" of corvix.exe's version record, which the
# build makes from the file VERSION. The last line printed is the package.
# CORVIX_DIST names another folder for it.
#
#   ./release.sh
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
dist=${CORVIX_DIST:-$root/dist}
fail() {
    echo "release.sh: $*" >&2
    exit 1
}
[ $# -eq 0 ] || { sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//' >&2; exit 2; }

# Before anything is built: dist/ must take the package.
if ! err=$(mkdir -p "$dist" 2>&1 && touch "$dist/.write-test" 2>&1); then
    fail "cannot write the package to $dist ($err)"
fi
rm -f "$dist/.write-test"

# shellcheck source=tools/setup.sh
source "$root/tools/setup.sh"
install_build_tools
echo "== building corvix.exe"
CORVIX_BUILD_TARGETS="corvix corvix_com winprobe windrive" build_win32 >/dev/null
exe="$root/build/win32/corvix.exe"

# The version the record holds, read back from the program itself.
version=$(i686-w64-mingw32-windres -i "$exe" -O rc |
    sed -n 's/^ *VALUE "ProductVersion", "\([^"]*\)".*/\1/p' | head -n 1)
[ -n "$version" ] || fail "corvix.exe has no ProductVersion in its version record"
written=$(tr -d '[:space:]' <"$root/VERSION")
[ "$version" = "$written" ] ||
    fail "corvix.exe says version $version, the file VERSION says $written"
name="corvix-$version"
package="$dist/$name.zip"

stage=$(mktemp -d "$dist/.$name.XXXXXX")
trap 'rm -rf "$stage" "$package.partial"' EXIT
crlf() { sed 's/\r*$/\r/' "$1"; }
# Without its symbol table: 40 % smaller, the same program.
i686-w64-mingw32-strip -o "$stage/corvix.exe" "$exe"
i686-w64-mingw32-strip -o "$stage/corvix.com" "$root/build/win32/corvix.com"
cp "$root/docs/guide/Corvix.html" "$stage/Corvix.html"
echo "== the guide's pictures, from this corvix.exe"
"$root/tools/screenshots.sh" "$stage/Corvix-images" >/dev/null
sed "s/@VERSION@/$version/g" "$root/docs/release/README.txt" | sed 's/\r*$/\r/' >"$stage/README.txt"
crlf "$root/LICENSE" >"$stage/LICENSE.txt"

# Every picture the guide shows must be in the package, and nothing else.
pictures=$(grep -o 'src="[^"]*"' "$stage/Corvix.html" | sed 's/^src="//; s/"$//' | sort -u)
made=$(cd "$stage" && find Corvix-images -type f | sort)
[ "$pictures" = "$made" ] ||
    fail "the guide shows [${pictures//$'\n'/ }], the pictures made are [${made//$'\n'/ }]"

# The list is taken before SHA256SUMS exists: the shell makes the file as it
# starts the pipeline, and find could meet it empty.
(cd "$stage" && find . -type f ! -name SHA256SUMS | sed 's#^\./##' | LC_ALL=C sort |
    xargs sha256sum >SHA256SUMS)
# One time for every file (the last commit's), so the same sources give the
# same archive listing.
stamp=$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)
find "$stage" -exec touch -h -d "@$stamp" {} +
rm -f "$package.partial"
(cd "$stage" && zip -X -q -r "$package.partial" corvix.exe corvix.com Corvix.html Corvix-images README.txt \
    LICENSE.txt SHA256SUMS) || fail "zip could not write $package.partial"
mv -f "$package.partial" "$package" || fail "cannot move the package into $dist"
echo "== $(unzip -Z1 "$package" | grep -vc '/$') files, $(stat -c %s "$package") bytes:"
unzip -Z1 "$package" | grep -v '/$' | sed 's/^/   /'
echo "$package"
