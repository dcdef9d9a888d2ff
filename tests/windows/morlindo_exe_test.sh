#!/usr/bin/env bash
# Runs morlindo.exe under Wine and holds it to the Linux build of morlindo:
#  1. every sample in samples/ converted to every target kind, with the
#     default options and with a set of others, gives the same exit status
#     and byte for byte the same files on both (conversions that are not
#     offered must fail alike);
#  2. a track from «산책.alr» gets the code page 949 bytes of «산책» as its
#     name in line 5, and the console messages show the Hangul name;
#  3. paths at a drive root, written with "\", "\\", "/" or as "C:name",
#     convert like any other.
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
    for target in plt rte wpt alr; do
        for set in "${!option_sets[@]}"; do
            # shellcheck disable=SC2206  # the options split at blanks
            options=(--to "$target" --now "$now" ${option_sets[$set]})
            case=$name-to-$target-$set
            linux_dir="$work/linux/$case/샘플 폴더" windows_dir="$work/windows/$case/샘플 폴더"
            mkdir -p "$linux_dir" "$windows_dir"
            cp "$sample" "$linux_dir/" && cp "$sample" "$windows_dir/"
            "$linux_morlindo" "${options[@]}" "$linux_dir/$name" >/dev/null 2>&1
            linux_status=$?
            morlindoExe "${options[@]}" "$(windowsPath "$windows_dir/$name")" >/dev/null 2>&1
            windows_status=$?
            if [ "$linux_status" != "$windows_status" ]; then
                fail "$case: exit status $windows_status on Windows, $linux_status on Linux"
            elif ! diff -r "$work/linux/$case" "$work/windows/$case" >/dev/null; then
                fail "$case: the files differ"
                diff -r "$work/linux/$case" "$work/windows/$case" | head -n 10
            else
                pass
                outputs=$(cd "$linux_dir" && ls | grep -vx -F "$name" | tr '\n' ' ')
                echo "same: $case, exit $linux_status, ${outputs:-no output}"
            fi
        done
    done
done

# The Linux reference for the checks below.
reference="$work/reference"
mkdir -p "$reference" && cp "$samples/walk.alr" "$reference/"
(cd "$reference" && "$linux_morlindo" --to plt --now "$now" walk.alr >stdout)

# 2. «산책.alr», named as a user would in its folder.
hangul="$work/hangul"
mkdir -p "$hangul" && cp "$samples/walk.alr" "$hangul/산책.alr"
(cd "$hangul" && morlindoExe --to plt --now "$now" 산책.alr >stdout 2>stderr)
status=$?
cp949_name=$'\xbb\xea\xc3\xa5'
line5=$(sed -n 5p "$hangul/산책.plt" 2>/dev/null | LC_ALL=C tr -d '\r')
if [ "$status" != 0 ]; then
    fail "산책.alr: exit status $status: $(cat "$hangul/stderr")"
elif [ "$line5" != "0,2,255,${cp949_name},1,0,0,255" ]; then
    fail "산책.alr: line 5 is not the track name in code page 949:"
    sed -n 5p "$hangul/산책.plt" | od -c | head -n 3
else
    pass
fi
expected=$(LC_ALL=C sed "5s/walk/${cp949_name}/" "$reference/walk.plt" | od -An -tx1)
if [ "$(od -An -tx1 "$hangul/산책.plt" 2>/dev/null)" != "$expected" ]; then
    fail "산책.plt differs from walk.plt beyond the track name"
else
    pass
fi
# Redirected output is UTF-8 with CR LF line ends.
if [ "$(cat "$hangul/stdout")" != "$(sed 's/walk/산책/g; s/$/\r/' "$reference/stdout")" ]; then
    fail "산책.alr: the message is not UTF-8 with CR LF: $(od -c "$hangul/stdout" | head -n 3)"
else
    pass
fi
(cd "$hangul" && morlindoExe --to plt 없는파일.alr >stdout 2>stderr)
status=$?
if [ "$status" != 1 ] ||
    ! grep -q -F $'morlindo: 없는파일.alr: cannot open it: ' "$hangul/stderr" ||
    [ "$(tail -c 2 "$hangul/stderr" | od -An -c | tr -d ' ')" != '\r\n' ]; then
    fail "a missing Hangul file: exit $status, $(cat "$hangul/stderr")"
else
    pass
fi

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

echo "morlindo.exe against the Linux build: $passed passed, $failed failed"
[ "$failed" = 0 ]
