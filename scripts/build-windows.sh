#!/usr/bin/env bash
# Cross-builds morlindo.exe and the core's tests for 64-bit Windows with the
# MinGW-w64 toolchain, statically linked, into build-windows/release (the
# CMake preset windows-cross). GoogleTest is built first from the sources
# Debian ships, with the same toolchain. Extra arguments go to the CMake
# configure step (for example -DMORLINDO_WERROR=ON).
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

echo "== build-windows/release"
cmake --preset windows-cross "$@"
cmake --build --preset windows-cross -j"$jobs"
echo "Built build-windows/release/bin/morlindo.exe"
