#!/usr/bin/env bash
# Runs morlindo.exe under Wine and holds it to the Linux build of morlindo:
#  1. every sample in samples/ converted to every target kind, with the
#     default options and with a set of others, gives the same exit status
#     and byte for byte the same files on both (conversions that are not
#     offered must fail alike);
#  2. a track from "산책.alr" gets the code page 949 bytes of "산책" as its
#     name in line 5, Hangul options come out in code page 949 too, and the
#     messages show the Hangul name;
#  3. paths at a drive root, written with "\", "\\", "/" or as "C:name",
#     convert like any other.
#  4. "*" and "?", which the shells of Windows leave to the program, expand
#     as a POSIX shell expands them, in name order in any letter case.
# Wine must run in a Korean locale (code page 949) with a prepared prefix.
#
# Usage: morlindo_exe_test.sh LINUX_MORLINDO MORLINDO_EXE WORK_DIR
# Environment: WINE (default /usr/lib/wine/wine64), WINEPREFIX.
set -uo pipefail
linux_morlindo=$(realpath "$1")
windows_morlindo=$(realpath "$2")
work=$3
wine=${WINE:-/usr/lib/wine/wine64}
samples=$(realpath "$(dirname "$0")/../../samples")
now=2004-11-08T15:30:00

passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() {
    failed=$((failed + 1))
    echo "FAILED: $*"
}

# Wine maps drive Z: to the Linux root.
windowsPath() { printf 'Z:%s' "${1//\//\\}"; }
morlindoExe() { "$wine" "$windows_morlindo" "$@"; }

rm -rf "$work" && mkdir -p "$work"

# 1. Every sample to every target, on both builds, in a folder whose name
# holds Hangul and a space.
option_sets=(
    ""
    "--line-width 1 --track-type polygon --color #00ff00 --route-name R1 --route-description Walk
     --waypoint-color blue --waypoint-background yellow --prefix P --time-zone -5"
)
for sample in "$samples"/*; do
    name=$(basename "$sample")
    for target in plt rte wpt alr gpx; do
        for option_set in "${!option_sets[@]}"; do
            # shellcheck disable=SC2206  # the options split at blanks
            options=(--to "$target" --now "$now" ${option_sets[$option_set]})
            run=$name-to-$target-$option_set
            linux_dir="$work/linux/$run/샘플 폴더" windows_dir="$work/windows/$run/샘플 폴더"
            mkdir -p "$linux_dir" "$windows_dir"
            cp "$sample" "$linux_dir/" && cp "$sample" "$windows_dir/"
            "$linux_morlindo" "${options[@]}" "$linux_dir/$name" >/dev/null 2>&1
            linux_status=$?
            morlindoExe "${options[@]}" "$(windowsPath "$windows_dir/$name")" >/dev/null 2>&1
            windows_status=$?
            if [ "$linux_status" != "$windows_status" ]; then
                fail "$run: exit status $windows_status on Windows, $linux_status on Linux"
            elif ! diff -r "$work/linux/$run" "$work/windows/$run" >/dev/null; then
                fail "$run: the files differ"
                diff -r "$work/linux/$run" "$work/windows/$run" | head -n 10
            else
                pass
                outputs=""
                for file in "$linux_dir"/*; do
                    [ "${file##*/}" = "$name" ] || outputs+="${file##*/} "
                done
                echo "same: $run, exit $linux_status, ${outputs:-no output}"
            fi
        done
    done
done

# 2. "산책.alr", named as a user would in its folder, with Hangul options.
# The text files must be the Linux build's (which writes the UTF-8 it is
# given) in code page 949, the GPX file (UTF-8 everywhere) the same bytes, and
# the messages the same UTF-8 text with CR LF
# line ends, as redirected Windows text output has them.
hangul_options=(--now "$now" --route-name 산책길 --route-description "한강 산책" --prefix 점)
withCrLf() { sed 's/$/\r/' "$1"; }
for target in plt rte wpt gpx; do
    encoding=CP949
    [ "$target" = gpx ] && encoding=UTF-8
    linux_dir="$work/hangul-linux-$target" windows_dir="$work/hangul-windows-$target"
    mkdir -p "$linux_dir" "$windows_dir"
    cp "$samples/walk.alr" "$linux_dir/산책.alr" && cp "$samples/walk.alr" "$windows_dir/산책.alr"
    (cd "$linux_dir" &&
        "$linux_morlindo" --to "$target" "${hangul_options[@]}" 산책.alr >../stdout-l 2>../stderr-l)
    linux_status=$?
    (cd "$windows_dir" &&
        morlindoExe --to "$target" "${hangul_options[@]}" 산책.alr >../stdout-w 2>../stderr-w)
    windows_status=$?
    output="산책.$target"
    if [ "$linux_status" != "$windows_status" ]; then
        fail "산책.alr to $target: exit status $windows_status on Windows, $linux_status on Linux"
    elif ! cmp -s <(withCrLf "$work/stdout-l") "$work/stdout-w" ||
        ! cmp -s <(withCrLf "$work/stderr-l") "$work/stderr-w"; then
        fail "산책.alr to $target: the messages differ:"
        cat "$work/stdout-w" "$work/stderr-w"
    elif [ ! -e "$linux_dir/$output" ]; then
        pass
        echo "same: 산책.alr to $target, exit $linux_status, no output"
    elif ! iconv -f UTF-8 -t "$encoding" "$linux_dir/$output" | cmp -s - "$windows_dir/$output"; then
        fail "산책.alr to $target: $output is not the Linux output in $encoding"
    else
        pass
        echo "same: 산책.alr to $target, exit $linux_status, $output in $encoding"
    fi
done

# The track name in line 5, spelled out.
line5=$(sed -n 5p "$work/hangul-windows-plt/산책.plt" 2>/dev/null | LC_ALL=C tr -d '\r')
if [ "$line5" != $'0,2,255,\xbb\xea\xc3\xa5,1,0,0,255' ]; then
    fail "산책.alr: line 5 is not the track name in code page 949: $(echo "$line5" | od -c)"
else
    pass
fi

# The Linux reference for the checks below.
reference="$work/reference"
mkdir -p "$reference" && cp "$samples/walk.alr" "$reference/"
"$linux_morlindo" --to plt --now "$now" -q "$reference/walk.alr"

# 3. A drive root: the prefix's drive C:.
drive_c="$WINEPREFIX/drive_c"
cp "$samples/walk.alr" "$drive_c/walk.alr"
for path in 'C:\walk.alr' 'C:\\walk.alr' 'C:/walk.alr' 'C:walk.alr'; do
    rm -f "$drive_c/walk.plt"
    morlindoExe --to plt --now "$now" -q "$path" >/dev/null 2>"$work/stderr"
    status=$?
    if [ "$status" != 0 ] || ! cmp -s "$drive_c/walk.plt" "$reference/walk.plt"; then
        fail "$path: exit $status, $(cat "$work/stderr")"
    else
        pass
        echo "same: $path converts at the drive root"
    fi
done
rm -f "$drive_c/walk.alr" "$drive_c/walk.plt"

# 4. "*.alr" against the names a POSIX shell would give, and a pattern that
# matches nothing, which fails on its own.
for side in linux windows; do
    mkdir -p "$work/wild-$side" && cp "$samples/hike.plt" "$work/wild-$side/"
    cp "$samples/walk.alr" "$work/wild-$side/B.ALR" && cp "$samples/walk.alr" "$work/wild-$side/a.alr"
done
(cd "$work/wild-linux" && "$linux_morlindo" --to plt --now "$now" a.alr B.ALR >../stdout-l)
(cd "$work/wild-windows" &&
    morlindoExe --to plt --now "$now" '*.alr' 'n?ne*' >../stdout-w 2>../stderr-w)
status=$?
if [ "$status" != 1 ] || ! diff -r "$work/wild-linux" "$work/wild-windows" >/dev/null ||
    ! cmp -s <(withCrLf "$work/stdout-l") "$work/stdout-w" ||
    ! grep -q -F 'morlindo: n?ne*: no file matches' "$work/stderr-w"; then
    fail "*.alr: exit $status, $(cat "$work/stdout-w" "$work/stderr-w")"
else
    pass
    echo "same: *.alr expands to a.alr B.ALR; a pattern without a match fails"
fi

echo "morlindo.exe against the Linux build: $passed passed, $failed failed"
[ "$failed" = 0 ]
