# Shared by the Wine benchmarks (scan.sh, startup.sh); source it after
# tools/setup.sh. It defines functions only.

# shellcheck source=tools/wine-prefix.sh
source "$CORVIX_ROOT/tools/wine-prefix.sh"

# build_bench_programs BUILD_DIR TARGET...: configures the Windows tree in
# BUILD_DIR like build_win32 and builds only the named targets.
build_bench_programs() {
    local build_dir=$1
    shift
    cmake -S "$CORVIX_ROOT" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$CORVIX_ROOT/cmake/mingw-i686.cmake" >/dev/null
    cmake --build "$build_dir" --target "$@" -j "$(nproc)" >/dev/null
}

# make_fixture_prefix NAME KEEP EXTENSIONS [USER]: a throw-away 32-bit Wine
# prefix holding the fixture registry of make-scan-registry.sh (EXTENSIONS
# extension keys naming half as many classes, USER of them also in this
# user's store). Sets work (the run's directory) and
# exports WINEPREFIX and Wine's quiet settings; on exit the wine server is
# stopped and the directory removed, unless KEEP is 1. From here on one
# persistent wine server serves every process of the run, so that no round
# pays for starting it.
make_fixture_prefix() {
    local name=$1 extensions=$3 user=${4:-0}
    bench_keep=$2
    work=$(mktemp -d "/tmp/corvix-$name-bench.XXXXXX")
    export WINEDEBUG=-all WINEARCH=win32 WINEDLLOVERRIDES="mscoree=d;mshtml=d"
    export WINEPREFIX="$work/prefix"
    trap remove_fixture_prefix EXIT

    echo "== generating the fixture registry: $extensions extension keys"
    "$CORVIX_ROOT/bench/make-scan-registry.sh" "$extensions" $((extensions / 2)) 5000 "$user" \
        >"$work/fixture.reg"
    echo "== creating the Wine prefix"
    make_wine_prefix
    wineserver -p
    echo "== importing the fixture"
    wine regedit /S "$(winepath -w "$work/fixture.reg")"
}

remove_fixture_prefix() {
    wineserver -k >/dev/null 2>&1 || true
    if [ "$bench_keep" = 1 ]; then
        echo "== prefix kept: $WINEPREFIX"
    else
        rm -rf "$work"
    fi
}

# median FILE: the median of the numbers in FILE, one per line.
median() {
    sort -n "$1" | awk '{ r[NR] = $1 } END { if (NR % 2) print r[(NR + 1) / 2]; else printf "%.3f\n", (r[NR / 2] + r[NR / 2 + 1]) / 2 }'
}
