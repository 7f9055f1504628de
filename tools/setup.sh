# Shared by run.sh and test.sh: installs what a fresh Debian 12 machine lacks
# and builds the requested trees. Source it; it defines functions only.

CORVIX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# install_packages PKG...: apt-get installs the packages that are missing.
install_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "== installing: ${missing[*]}"
    if printf '%s\n' "${missing[@]}" | grep -q ':i386$'; then
        dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
    fi
    as_root apt-get update -qq
    # With the recommended packages: Wine's fonts (fonts-wine) and its X
    # extension libraries come as recommendations, and the windows' looks
    # and text metrics depend on them.
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq "${missing[@]}" >/dev/null
}

# What the native tree alone needs (./test.sh --quick): no Wine, no MinGW.
install_native_tools() {
    install_packages cmake make g++ googletest libgtest-dev libbenchmark-dev libexpat1-dev
}

install_build_tools() {
    install_packages cmake make g++ g++-mingw-w64-i686 mingw-w64-i686-dev binutils-mingw-w64-i686 \
        googletest libgtest-dev libbenchmark-dev libexpat1-dev wine wine32:i386 fonts-wine xvfb xauth x11-utils imagemagick \
        clang libclang-rt-14-dev llvm-14 locales fonts-vlgothic zip unzip
    # The Far East end-to-end case runs Wine on a Japanese system.
    if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf-\?8'; then
        as_root localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
    fi
}

# build_tree NAME [cmake args...]: configures and builds build/NAME; only the
# targets named in CORVIX_BUILD_TARGETS (blank-separated) when it is set.
build_tree() {
    local name=$1; shift
    cmake -S "$CORVIX_ROOT" -B "$CORVIX_ROOT/build/$name" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    # shellcheck disable=SC2086 # the target list splits at blanks
    cmake --build "$CORVIX_ROOT/build/$name" -j "$(nproc)" ${CORVIX_BUILD_TARGETS:+--target $CORVIX_BUILD_TARGETS}
}

build_native() { build_tree native; }
build_win32() { build_tree win32 -DCMAKE_TOOLCHAIN_FILE="$CORVIX_ROOT/cmake/mingw-i686.cmake"; }
# The libFuzzer targets of tests/fuzz, built with clang (build/fuzz); with
# CORVIX_FUZZ_COVERAGE=ON they also record source coverage (build/fuzz-cov).
build_fuzz() {
    local tree=fuzz coverage=${CORVIX_FUZZ_COVERAGE:-OFF}
    [ "$coverage" = ON ] && tree=fuzz-cov
    CC=clang CXX=clang++ build_tree "$tree" -DCORVIX_FUZZ=ON -DCORVIX_FUZZ_COVERAGE="$coverage"
}
