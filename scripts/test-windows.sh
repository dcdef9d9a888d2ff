#!/usr/bin/env bash
# The Windows stage: cross-builds morlindo.exe and the core's tests
# (scripts/build-windows.sh), then runs them under Wine in a Korean locale,
# where the system code page is 949: the core's tests through CTest, then
# tests/windows/morlindo_exe_test.sh, which holds morlindo.exe to the Linux
# build's outputs; last it makes the Windows zip (scripts/package.sh
# --windows). The Linux morlindo is taken from build/ (built there by
# scripts/test.sh) or else built into build-windows/linux.
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
bash scripts/package.sh --windows
"${korean[@]}" "$WINE" build-package/morlindo-*-windows-x64/morlindo.exe --version
echo "Windows stage took $((SECONDS - started)) s"
