#!/usr/bin/env bash
# Cross-builds morlindo.exe and the core's tests for 64-bit Windows with the
# MinGW-w64 toolchain, statically linked, into build-windows/release (the
# CMake preset windows-cross). GoogleTest and expat are built first, with the
# same toolchain, from the sources Debian ships: GoogleTest's from its
# package, expat's fetched once with `apt-get source` into
# build-windows/expat (through a source list of its own, so that the
# machine's apt configuration stays as it is). Extra arguments go to the
# CMake configure step (for example -DMORLINDO_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
require_packages "${CORE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"

jobs=$(nproc)
# Runs a command, showing its output only when it fails.
quietly() {
    local log
    log=$(mktemp)
    "$@" >"$log" 2>&1 || { cat "$log"; rm -f "$log"; return 1; }
    rm -f "$log"
}
toolchain=$PWD/cmake/mingw-w64-x86_64.cmake
googletest=build-windows/googletest

if [ ! -f "$googletest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
    echo "== GoogleTest for Windows"
    quietly cmake -S /usr/src/googletest -B "$googletest" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF \
        -DCMAKE_INSTALL_PREFIX="$PWD/$googletest/install"
    quietly cmake --build "$googletest" -j"$jobs"
    quietly cmake --install "$googletest"
fi

# The Debian mirror and release this machine installs from.
debian_mirror() {
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources
    else
        sed -n 's/^deb \(\[[^]]*\] \)\{0,1\}\([^ ]*\).*/\2/p' /etc/apt/sources.list | head -n 1
    fi
}

# Downloads and unpacks Debian's expat source (with Debian's patches) into
# the folder given, through apt's own lists and cache kept beside it.
fetch_expat_source() {
    local folder apt codename
    folder=$(realpath "$1")
    apt=$folder/apt
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]" \
        "$(debian_mirror) $codename main" >"$apt/sources.list"
    local options=(-o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
        -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache"
        -o Dir::State::status=/dev/null -o APT::Sandbox::User=root)
    quietly apt-get "${options[@]}" update
    (cd "$folder" && quietly apt-get "${options[@]}" source expat)
}

expat=build-windows/expat
if [ ! -f "$expat/install/lib/libexpat.a" ]; then
    echo "== expat for Windows (Debian's source)"
    rm -rf "$expat" && mkdir -p "$expat"
    fetch_expat_source "$expat"
    source_dir=$(find "$expat" -maxdepth 3 -name CMakeLists.txt -path '*/expat-*/expat/*' -printf '%h\n' |
        head -n 1)
    quietly cmake -S "$source_dir" -B "$expat/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DEXPAT_SHARED_LIBS=OFF -DEXPAT_BUILD_TOOLS=OFF \
        -DEXPAT_BUILD_EXAMPLES=OFF -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF \
        -DEXPAT_BUILD_PKGCONFIG=OFF -DCMAKE_INSTALL_PREFIX="$PWD/$expat/install"
    # Debian's patches test "XML_DTD == 1", as its autotools build defines
    # the features; expat's CMake build defines them empty.
    sed -i -E 's/^#define (XML_[A-Z_]+)$/#define \1 1/' "$expat/build/expat_config.h"
    quietly cmake --build "$expat/build" -j"$jobs"
    quietly cmake --install "$expat/build"
fi

echo "== build-windows/release"
cmake --preset windows-cross "$@"
cmake --build --preset windows-cross -j"$jobs"
echo "Built build-windows/release/bin/morlindo.exe"
