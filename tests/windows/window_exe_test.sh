#!/usr/bin/env bash
# The window and the installer for Windows, under Wine on an X display:
#  1. in Korean, given a sample and driven by the package check's driver,
#     the window converts it byte for byte as the Linux morlindo does, and
#     says so in Korean;
#  2. it keeps its settings beside itself; in Korean without files, it opens
#     Qt's own Open dialog (dialogs=none) under its Korean title, and the
#     system's Open dialog otherwise: WORK/korean.png is a screenshot of that,
#     WORK/korean-window.png one of the window with the sample;
#  3. the silent installer, for all users and for the current user, installs
#     the zip's files, the Start menu entry, the "Open with" and uninstall
#     entries; the silent uninstaller removes them all again.
# Usage: window_exe_test.sh LINUX_MORLINDO ZIP_FOLDER SETUP_EXE DRIVER_PLUGINS WORK
# Environment: WINE (default /usr/lib/wine/wine64), WINEPREFIX, DISPLAY.
set -euo pipefail
linux_morlindo=$(realpath "$1") folder=$(realpath "$2") setup=$(realpath "$3")
plugins=$(realpath "$4") wine=${WINE:-/usr/lib/wine/wine64}
rm -rf "$5" && mkdir -p "$5" && work=$(realpath "$5")
windowsPath() { printf 'Z:%s' "${1//\//\\}"; }
query() { "$wine" reg query "$@" >/dev/null 2>&1; }

# The window runs from a copy of the folder, anywhere (it is portable), and
# keeps its settings file there: the folder the installer is checked
# against stays as the zip holds it.
cp -r "$folder" "$work/portable"
cp samples/hike.plt "$work/window.plt" && cp samples/hike.plt "$work/cli.plt"
"$linux_morlindo" --quiet --to alr "$work/cli.plt"
# Wine keeps Unix variables named QT_* from Windows programs (they are meant
# for the Linux Qt); WINEQT_X reaches them as QT_X.
WINEQT_PLUGIN_PATH=$(windowsPath "$plugins") WINEQT_QPA_GENERIC_PLUGINS=morlindodriver:cmdOzi2AlTrack \
    timeout 120 "$wine" "$work/portable/morlindo-converter.exe" --lang ko "$(windowsPath "$work/window.plt")" \
    >"$work/messages.txt"
cmp "$work/window.alr" "$work/cli.alr" && grep -q '변환이 완료되었습니다' "$work/messages.txt"

# Settings are kept beside a program whose folder is writable.
test -f "$work/portable/MorlindoConverter.ini"

# Waits up to a minute for a window whose whole title is $1.
windowShows() {
    for _ in $(seq 60); do xdotool search --name "^$1\$" >/dev/null && return; sleep 1; done
    echo "FAILED: no window \"$1\"" && return 1
}
# Qt's own Open dialog carries the Korean title of Qt's translations. (Under
# Wine on a bare X server it stays unpainted, so it is not photographed.)
WINEQT_QPA_PLATFORM=windows:dialogs=none "$wine" "$work/portable/morlindo-converter.exe" --lang ko &
windowShows 열기
kill $!; wait $! || true  # ended by the kill
# The Open dialog a Windows user gets is the system's (here Wine's, in Korean).
"$wine" "$work/portable/morlindo-converter.exe" --lang ko &
windowShows MorlindoConverter
screenshot() { sleep 3 && xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$work/$1"; }
screenshot korean.png
kill $!; wait $! || true  # ended by the kill
# And the window itself with the sample listed and previewed.
"$wine" "$work/portable/morlindo-converter.exe" --lang ko "$(windowsPath "$work/window.plt")" &
windowShows 'AlMap Track & NMEA.*'
screenshot korean-window.png
kill $!; wait $! || true  # ended by the kill

# One silent install and uninstall: MODE (AllUsers or CurrentUser), the
# folder, the Start menu entry and the registry root it must use.
installRoundTrip() {
    local mode=$1 dir=$2 link=$3 root=$4 key
    local keys=("$root"'\Software\Microsoft\Windows\CurrentVersion\Uninstall\MorlindoConverter'
        "$root"'\Software\Classes\MorlindoConverter.Track'
        "$root"'\Software\Classes\Applications\morlindo-converter.exe'
        "$root"'\Software\Classes\.gpx\OpenWithProgids /v MorlindoConverter.Track')
    "$wine" "$setup" /S "/$mode"
    diff <(cd "$folder" && find . -type f | sort) <(cd "$dir" && find . -type f ! -name uninstall.exe | sort)
    test -f "$dir/uninstall.exe" && test -f "$link"
    # As the window leaves it when it may write beside itself.
    : >"$dir/MorlindoConverter.ini"
    # shellcheck disable=SC2086  # a key, or a key and its value
    for key in "${keys[@]}"; do query $key; done
    # The uninstaller runs from a copy of itself, which it starts and leaves.
    "$wine" "$dir/uninstall.exe" /S "/$mode"
    for _ in $(seq 60); do query "${keys[0]}" || break; sleep 1; done
    test ! -e "$dir" && test ! -e "$link"
    # shellcheck disable=SC2086
    for key in "${keys[@]}"; do if query $key; then echo "FAILED: $key is left"; exit 1; fi; done
}
c=$WINEPREFIX/drive_c
installRoundTrip AllUsers "$c/Program Files/MorlindoConverter" \
    "$c/ProgramData/Microsoft/Windows/Start Menu/Programs/MorlindoConverter.lnk" HKLM
user=$c/users/$(id -un)/AppData
installRoundTrip CurrentUser "$user/Local/Programs/MorlindoConverter" \
    "$user/Roaming/Microsoft/Windows/Start Menu/Programs/MorlindoConverter.lnk" HKCU
echo "The window and installer checks passed"
