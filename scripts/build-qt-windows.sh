#!/usr/bin/env bash
# Cross-builds the part of Qt the window uses (qtbase: Core, Gui, Widgets,
# Concurrent, the windows platform plugin and the windowsvista style) for
# 64-bit Windows with the MinGW-w64 toolchain, from Debian's own qt6-base
# source, with Debian's Linux Qt of the same version as host tools (moc, rcc,
# uic). Qt is built as DLLs (so that the Qt libraries in the zip and in the
# installer stay replaceable, as their licence asks), each with the C and C++
# runtimes linked in, so that nothing but Qt's own DLLs and Windows' system
# DLLs sits beside the programs.
#
# The result is installed into a cache outside the work tree, which a fresh
# clone on the same machine reuses:
#   ${MORLINDO_CACHE:-~/.cache/morlindo}/qt6-<source version>-<options hash>
# A different source version or different options make a new folder. The
# folder's path is printed last (and only that, on stdout, when given
# --print-prefix: then nothing is built, and the exit status says whether
# the cache is there).
#
# The build is started with the lowest CPU and I/O priority; it takes long
# on a small machine (see README.md, "Windows").
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

cache_root=${MORLINDO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/morlindo}
host_qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
toolchain=$PWD/cmake/mingw-w64-x86_64.cmake

# What is built: only what the window needs. Features are Qt's configure
# features; switched off are the modules the window does not use and the
# libraries the MinGW sysroot does not have (Qt's bundled zlib, libpng,
# PCRE2, FreeType and HarfBuzz are used instead).
qt_options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    # Qt's static_runtime feature is for a static Qt only; -static links
    # libgcc, libstdc++ and winpthread into each DLL and plugin instead.
    -DCMAKE_SHARED_LINKER_FLAGS=-static -DCMAKE_MODULE_LINKER_FLAGS=-static
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
    # INPUT_opengl=no turns dynamic OpenGL off too, which the windows
    # platform plugin of Qt 6.4 does not compile without OpenGL.
    -DFEATURE_printsupport=OFF -DFEATURE_testlib=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no
    -DFEATURE_vulkan=OFF -DFEATURE_openssl=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF
    # Qt's own FreeType (the windows platform's optional font engine), not the system's.
    -DFEATURE_fontconfig=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_sql_sqlite=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_direct2d=OFF -DFEATURE_qmake=OFF -DFEATURE_androiddeployqt=OFF
    # Qt Gui builds its DirectWrite font database only with Direct2D, but the
    # windows platform plugin would still ask for it. The plugin's default,
    # the GDI font database, is what the window uses.
    -DFEATURE_directwrite3=OFF
    # Debian's source leaves out the Wintab header the tablet support needs.
    -DFEATURE_tabletevent=OFF
)
options_hash=$( (printf '%s\n' "${qt_options[@]}" "$host_qt_version"; cat "$toolchain") |
    sha256sum | cut -c1-12)
# The Debian version without its epoch and revision, as in the source's name.
qt_version=$(echo "$host_qt_version" | sed -E 's/^[0-9]+://; s/[+~-].*//')
prefix=$cache_root/qt6-$qt_version-$options_hash

if [ "${1:-}" = --print-prefix ]; then
    echo "$prefix"
    [ -f "$prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ]
    exit
fi
if [ -f "$prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ]; then
    echo "Qt for Windows: $prefix (cached)"
    exit 0
fi

require_packages "${CORE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${GUI_PACKAGES[@]}" ninja-build perl
source scripts/debian-source.sh
work=$cache_root/qt6-$qt_version-build
mkdir -p "$work"
source_dir=$(find "$work/source" -maxdepth 1 -type d -name 'qt6-base-*' 2>/dev/null | head -n 1 || true)
if [ -z "$source_dir" ] || [ ! -f "$source_dir/CMakeLists.txt" ]; then
    echo "== qt6-base source from Debian into $work/source"
    rm -rf "$work/source" && mkdir -p "$work/source"
    fetch_debian_source qt6-base "$work/source"
    source_dir=$(find "$work/source" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
fi

build=$work/build-$options_hash
started=$SECONDS
echo "== Qt $qt_version for Windows into $prefix (long: log in $build.log)"
# An interrupted build with the same options is taken up where it stopped:
# Ninja rebuilds only what is missing or out of date.
rm -rf "$prefix"
[ -f "$build/build.ninja" ] || rm -rf "$build"
mkdir -p "$build"
low=(nice -n 19)
command -v ionice >/dev/null && low+=(ionice -c3)
{
    "${low[@]}" cmake -S "$source_dir" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/"$(gcc -print-multiarch)"/cmake \
        "${qt_options[@]}" &&
        "${low[@]}" cmake --build "$build" --parallel "$(nproc)" &&
        cmake --install "$build"
} >"$build.log" 2>&1 || { tail -n 40 "$build.log"; echo "Qt build failed: $build.log"; exit 1; }
echo "Qt for Windows built in $(( (SECONDS - started) / 60 )) min: $prefix"
rm -rf "$build"
