#!/usr/bin/env bash
# Makes the Windows packages into build-package/ (scripts/package.sh
# --windows runs this):
#   morlindo-VERSION-windows-x64.zip         portable: both programs with
#       what the window loads, in one folder that runs from anywhere
#   morlindo-converter-VERSION-setup.exe     the installer (NSIS), of the
#       same files
# The programs are built first (scripts/build-windows.sh --window), and with
# them the Qt for MinGW-w64 when its cache is missing (long).
# With --without-window: the zip of morlindo.exe alone, and no installer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
out=build-package
window=true
[ "${1:-}" = --without-window ] && window=false

require_packages "${ZIP_PACKAGES[@]}"
if $window; then
    require_packages "${WINDOWS_GUI_PACKAGES[@]}"
    bash scripts/build-windows.sh --window
    qt=$(bash scripts/build-qt-windows.sh --print-prefix)
else
    bash scripts/build-windows.sh
fi
version=$(sed -n 's/^project(MorlindoConverter VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=morlindo-$version-windows-x64
folder=$out/$name
rm -rf "${folder:?}" "$folder.zip"
mkdir -p "$folder"

# What the folder holds, each file from where it comes. The window loads
# Qt's DLLs from its own folder, the platform and style plugins from
# plugins/, and Qt's Korean captions (of its dialogs) from translations/:
# Qt takes a folder without Qt's import libraries as a deployed program's.
files=(morlindo.exe LICENSE.txt README.txt)
take() { mkdir -p "$(dirname "$folder/$1")" && cp "$2" "$folder/$1"; }
strip_exe() { x86_64-w64-mingw32-strip --strip-unneeded -o "$folder/$1" "$2"; }
strip_exe morlindo.exe build-windows/release/bin/morlindo.exe
# Plain text with Windows line ends, which every editor there shows.
sed 's/$/\r/' LICENSE >"$folder/LICENSE.txt"
# The README's lines for this package: "W|" marks the window's, "C|" the
# command line's alone; the first four lines say so.
if $window; then keep=W drop=C; else keep=C drop=W; fi
sed -e 1,4d -e "/^$drop|/d" -e "s/^$keep|//" -e "s/@VERSION@/$version/" -e 's/$/\r/' \
    packaging/windows/README.txt.in >"$folder/README.txt"
if $window; then
    strip_exe morlindo-converter.exe build-windows/window/bin/morlindo-converter.exe
    files+=(morlindo-converter.exe)
    # (Qt Concurrent is all templates here: no program imports its DLL.)
    for dll in Qt6Core Qt6Gui Qt6Widgets; do
        strip_exe "$dll.dll" "$qt/bin/$dll.dll"
        files+=("$dll.dll")
    done
    for plugin in platforms/qwindows styles/qwindowsvistastyle; do
        mkdir -p "$(dirname "$folder/plugins/$plugin")"
        strip_exe "plugins/$plugin.dll" "$qt/plugins/$plugin.dll"
        files+=("plugins/$plugin.dll")
    done
    take translations/qtbase_ko.qm /usr/share/qt6/translations/qtbase_ko.qm
    # Qt's licence, which its DLLs are shipped under (the LGPL builds on the GPL).
    sed 's/$/\r/' /usr/share/common-licenses/LGPL-3 >"$folder/Qt-LICENSE-LGPL-3.txt"
    sed 's/$/\r/' /usr/share/common-licenses/GPL-3 >"$folder/Qt-LICENSE-GPL-3.txt"
    files+=(translations/qtbase_ko.qm Qt-LICENSE-LGPL-3.txt Qt-LICENSE-GPL-3.txt)
fi
# Nothing but the files listed may be in the folder, every Qt DLL that a
# program or plugin imports must be among them, and every Qt DLL among them
# must be imported.
[ "$(cd "$folder" && find . -type f | sed 's|^\./||' | sort)" = "$(printf '%s\n' "${files[@]}" | sort)" ]
imported=$(find "$folder" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-objdump -p {} + |
    sed -n 's/^\tDLL Name: \(Qt6.*\.dll\)$/\1/p' | sort -u)
[ "$imported" = "$(cd "$folder" && find . -maxdepth 1 -name 'Qt6*.dll' -printf '%f\n' | sort)" ] ||
    { echo "The Qt DLLs in $folder are not those its programs import: $imported"; exit 1; }
(cd "$out" && zip -qrX "$name.zip" "$name")
echo "Made $out/$name.zip"
$window || exit 0

# The installer's lists of what it installs and what its uninstaller
# removes: the same files, one by one, so that uninstalling removes nothing
# else that may have come into the folder.
nsis=$out/nsis
mkdir -p "$nsis"
: >"$nsis/files.nsh"
: >"$nsis/delete.nsh"
# shellcheck disable=SC2016  # $INSTDIR and ${FILES} are makensis's
for file in "${files[@]}"; do
    dir=$(dirname "$file")
    windows_file=${file//\//\\}
    [ "$dir" = . ] && sub="" || sub="\\${dir//\//\\}"
    printf 'SetOutPath "$INSTDIR%s"\nFile "${FILES}\\%s"\n' "$sub" "$windows_file" >>"$nsis/files.nsh"
    printf 'Delete "$INSTDIR\\%s"\n' "$windows_file" >>"$nsis/delete.nsh"
done
# shellcheck disable=SC2016
for dir in plugins/platforms plugins/styles plugins translations; do
    printf 'RMDir "$INSTDIR\\%s"\n' "${dir//\//\\}" >>"$nsis/delete.nsh"
done
setup=$out/morlindo-converter-$version-setup.exe
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DFILES="$(realpath "$folder")" \
    -DFILE_LIST="$(realpath "$nsis/files.nsh")" -DDELETE_LIST="$(realpath "$nsis/delete.nsh")" \
    -DICON="$(realpath build-windows/window/src/morlindo-converter_resources/morlindo-converter.ico)" \
    -DOUTFILE="$(realpath "$out")/$(basename "$setup")" packaging/windows/installer.nsi
echo "Made $setup"
