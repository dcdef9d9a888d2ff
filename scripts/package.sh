#!/usr/bin/env bash
# Makes the packages, into build-package/; installs what is missing first.
#   scripts/package.sh            the Debian package morlindo-converter_VERSION_ARCH.deb,
#                                 built in build-package/ (cpack -G DEB)
#   scripts/package.sh --windows  morlindo-VERSION-windows-x64.zip, both programs for
#                                 Windows with what the window loads, and the installer
#                                 morlindo-converter-VERSION-setup.exe; builds the Qt for
#                                 MinGW-w64 first when its cache is missing (long; see
#                                 scripts/package-windows.sh)
#   scripts/package.sh --windows --without-window
#                                 the zip of morlindo.exe alone, without Qt
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
out=build-package
jobs=$(nproc)

if [ "${1:-}" = --windows ]; then
    shift
    exec bash scripts/package-windows.sh "$@"
fi

require_packages "${CORE_PACKAGES[@]}" "${GUI_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Hardened as Debian builds its own packages (stack protector, fortified
# functions, read-only relocations, immediate binding).
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" \
    -DMORLINDO_PACKAGE=ON -DMORLINDO_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build "$out" -j"$jobs"
rm -f "$out"/morlindo-converter_*.deb
(cd "$out" && cpack -G DEB >/dev/null)
echo "Made $(ls "$out"/morlindo-converter_*.deb)"
