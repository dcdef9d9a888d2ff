#!/usr/bin/env bash
# The Windows stage: cross-builds morlindo.exe and the core's tests
# (scripts/build-windows.sh), then runs them under Wine in a Korean locale,
# where the system code page is 949: the core's tests through CTest, then
# tests/windows/morlindo_exe_test.sh, which holds morlindo.exe to the Linux
# build's outputs; last it makes the Windows zip (scripts/package.sh
# --windows). The Linux morlindo is taken from build/ (built there by
# scripts/test.sh) or else built into build-windows/linux.
#
# Then the window (morlindo-converter.exe) is built, packed (zip and
# installer) and checked under Wine on a virtual X display. Its Qt for
# MinGW-w64 is built first when its cache is missing (scripts/
# build-qt-windows.sh: about 15 minutes on an idle 2-core machine, once per
# machine). MORLINDO_WINDOWS_WINDOW=0 leaves the window out: the zip then
# holds morlindo.exe alone.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
bash scripts/build-windows.sh -DMORLINDO_WERROR=ON

linux_morlindo=build/bin/morlindo
if [ ! -x "$linux_morlindo" ]; then
    echo "== build-windows/linux (the Linux morlindo to compare with)"
    cmake -S . -B build-windows/linux -DMORLINDO_BUILD_TESTS=OFF -DMORLINDO_BUILD_GUI=OFF >/dev/null
    cmake --build build-windows/linux -j"$(nproc)" --target morlindo
    linux_morlindo=build-windows/linux/bin/morlindo
fi

# The Korean locale is compiled into the build folder rather than installed,
# so that the machine's locales stay as they are; only Wine and the checks
# run in it.
locales=$PWD/build-windows/locale
if [ ! -d "$locales/ko_KR.UTF-8" ]; then
    mkdir -p "$locales"
    localedef -i ko_KR -f UTF-8 "$locales/ko_KR.UTF-8"
fi
korean=(env LOCPATH="$locales" LANG=ko_KR.UTF-8 LC_ALL=ko_KR.UTF-8)

# A fresh Wine prefix on every run, without a display and without the
# prompts for Wine's .NET and browser add-ons. A persistent wineserver keeps
# the later starts short; it is ended when the stage ends.
export WINEPREFIX=$PWD/build-windows/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINE=/usr/lib/wine/wine64
unset DISPLAY WAYLAND_DISPLAY
wineserver=/usr/lib/wine/wineserver
"$wineserver" -k 2>/dev/null || true  # one left over from an interrupted run
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
"${korean[@]}" "$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true' EXIT
echo "== $("$WINE" --version): preparing $WINEPREFIX"
"${korean[@]}" "$WINE" wineboot --init >/dev/null 2>&1

echo "== Windows tests under Wine"
"${korean[@]}" ctest --preset windows-cross -j"$(nproc)"
"${korean[@]}" bash tests/windows/morlindo_exe_test.sh "$linux_morlindo" \
    build-windows/release/bin/morlindo.exe build-windows/morlindo-exe-test
# The zip made from the same build, its stripped morlindo.exe started once.
if [ "${MORLINDO_WINDOWS_WINDOW:-1}" != 0 ]; then
    echo "== The window for Windows"
    bash scripts/package.sh --windows
    qt=$(bash scripts/build-qt-windows.sh --print-prefix)
    # The package check's driver, as a Qt plugin for Windows.
    quiet_log=build-windows/driver.log
    { cmake -S tests/windows -B build-windows/driver -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DQt6_DIR="$qt/lib/cmake/Qt6" \
        -DCMAKE_FIND_ROOT_PATH="$qt" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -print-multiarch)/cmake" &&
        cmake --build build-windows/driver; } >"$quiet_log" 2>&1 || { cat "$quiet_log"; exit 1; }
    # A prefix of its own, made on the X display the window shows on.
    WINEPREFIX=$PWD/build-windows/wine-window
    rm -rf "$WINEPREFIX"
    # shellcheck disable=SC2016  # expanded by the inner shell
    "${korean[@]}" xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        "$WINE" wineboot --init >/dev/null 2>&1 && bash tests/windows/window_exe_test.sh "$@"' \
        window "$linux_morlindo" build-package/morlindo-*-windows-x64/ \
        build-package/morlindo-converter-*-setup.exe build-windows/driver/plugins \
        build-windows/window-test
    echo "Screenshots of the Korean window: build-windows/window-test/korean*.png"
    WINEPREFIX=$PWD/build-windows/wine
else
    echo "== The window for Windows is left out (MORLINDO_WINDOWS_WINDOW=0)"
    bash scripts/package.sh --windows --without-window
fi
"${korean[@]}" "$WINE" build-package/morlindo-*-windows-x64/morlindo.exe --version
echo "Windows stage took $((SECONDS - started)) s"
