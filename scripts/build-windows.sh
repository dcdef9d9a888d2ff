#!/usr/bin/env bash
# Cross-builds morlindo.exe and the core's tests for 64-bit Windows with the
# MinGW-w64 toolchain, statically linked, into build-windows/release (the
# CMake preset windows-cross). GoogleTest and expat are built first, with the
# same toolchain, from the sources Debian ships: GoogleTest's from its
# package, expat's fetched once with `apt-get source` into
# build-windows/expat (through a source list of its own, so that the
# machine's apt configuration stays as it is). Extra arguments go to the
# CMake configure step (for example -DMORLINDO_WERROR=ON).
#
# With --window (first), the window morlindo-converter.exe is built too, into
# build-windows/window (the preset windows-cross-window), against the Qt for
# MinGW-w64 of scripts/build-qt-windows.sh, which is built first when its
# cache is missing (long: see README.md, "Windows").
set -euo pipefail
cd "$(dirname "$0")/.."
window=false
if [ "${1:-}" = --window ]; then
    window=true
    shift
fi
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

source scripts/debian-source.sh
expat=build-windows/expat
if [ ! -f "$expat/install/lib/libexpat.a" ]; then
    echo "== expat for Windows (Debian's source)"
    rm -rf "$expat" && mkdir -p "$expat"
    fetch_debian_source expat "$expat"
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
$window || exit 0

bash scripts/build-qt-windows.sh
qt=$(bash scripts/build-qt-windows.sh --print-prefix)
require_packages "${GUI_PACKAGES[@]}" "${WINDOWS_GUI_PACKAGES[@]}"
echo "== build-windows/window"
# Qt's packages are searched for below the MinGW sysroot and below Qt's
# folder; its tools (moc, rcc, uic, lrelease) are Debian's Linux ones.
cmake --preset windows-cross-window -DQt6_DIR="$qt/lib/cmake/Qt6" -DCMAKE_FIND_ROOT_PATH="$qt" \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -print-multiarch)/cmake" "$@"
cmake --build --preset windows-cross-window -j"$jobs"
echo "Built build-windows/window/bin/morlindo-converter.exe"
