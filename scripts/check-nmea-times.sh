#!/usr/bin/env bash
# Checks that every point morlindo writes from NMEA logs carries the time of
# its own fix: each GPX point and each .plt point (written with time zone 0)
# must match, in time of day and in position, a GGA or RMC sentence of the log
# with that time. Prints one line per log, and each point that matches none.
#   scripts/check-nmea-times.sh [MORLINDO] LOG...
# The logs are copied first: their folder is never written to.
set -euo pipefail
cli=build/bin/morlindo
if [ $# -gt 0 ] && [ -x "$1" ] && [ ! -d "$1" ]; then
    cli=$1
    shift
fi
[ $# -gt 0 ] || { echo "usage: $0 [MORLINDO] LOG..." >&2; exit 2; }
cli=$(cd "$(dirname "$cli")" && pwd)/$(basename "$cli")
work=$(mktemp -d "${TMPDIR:-/tmp}/nmea-times.XXXXXX")
trap 'rm -rf "$work"' EXIT

failed=0
for log in "$@"; do
    name=$(basename "$log")
    cp "$log" "$work/$name"
    (cd "$work" && "$cli" -q --to gpx "$name" 2>/dev/null && "$cli" -q --to plt --time-zone 0 "$name" \
        2>/dev/null) || true
    stem=${name%%.*}
    python3 - "$work/$name" "$work/$stem.gpx" "$work/$stem.plt" <<'EOF' || failed=1
import re, sys
log, gpx, plt = sys.argv[1:4]

def degrees(text, hemisphere, digits):
    try:
        value = int(text[:digits]) + float(text[digits:]) / 60
    except ValueError:
        return None
    return -value if hemisphere in ("S", "s", "W", "w") else value

# Every GGA and RMC sentence's time of day and position.
fixes = {}
for line in open(log, encoding="latin-1"):
    for m in re.finditer(r"\$[A-Za-z]{2}(GGA|RMC|gga|rmc),([^*\r\n]*)", line):
        f = m.group(2).split(",")
        first = 1 if m.group(1).upper() == "GGA" else 2
        if len(f) < first + 4 or len(f[0]) < 6:
            continue
        lat = degrees(f[first], f[first + 1], 2)
        lon = degrees(f[first + 2], f[first + 3], 3)
        if lat is not None and lon is not None:
            fixes.setdefault(f[0][:6], []).append((lat, lon))

def matches(time, lat, lon):
    return any(abs(lat - a) < 1e-6 and abs(lon - b) < 1e-6 for a, b in fixes.get(time, []))

bad = points = 0
try:
    text = open(gpx).read()
    pattern = r'<trkpt lat="([^"]+)" lon="([^"]+)">.*?<time>[^T]+T(\d\d):(\d\d):(\d\d)Z'
    for lat, lon, hh, mm, ss in re.findall(pattern, text):
        t = hh + mm + ss
        points += 1
        if not matches(t, float(lat), float(lon)):
            bad += 1
            print(f"  {gpx}: point at {lat},{lon} time {t} is no fix of that time")
except FileNotFoundError:
    pass
plt_points = 0
try:
    for line in list(open(plt, encoding="latin-1"))[6:]:
        f = line.strip().split(",")
        plt_points += 1
        if not matches(f[6].replace(":", ""), float(f[0]), float(f[1])):
            bad += 1
            print(f"  {plt}: point at {f[0]},{f[1]} time {f[6]} is no fix of that time")
except FileNotFoundError:
    pass
print(f"{log.rsplit('/', 1)[-1]}: {points} GPX points, {plt_points} .plt points, {bad} not at their own time")
sys.exit(1 if bad else 0)
EOF
done
exit $failed
