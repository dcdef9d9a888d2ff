#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program
# morlindo-converter. On a machine without a display it says so and shows
# the converter at work instead: converts copies of the bundled samples with
# the command-line tool `morlindo` and prints what came out.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
require_packages "${CORE_PACKAGES[@]}" "${GUI_PACKAGES[@]}"

cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target morlindo morlindo-converter

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/bin/morlindo-converter
fi

echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the desktop"
echo "program build/bin/morlindo-converter cannot open its window here."
echo "(With Xvfb: xvfb-run -a build/bin/morlindo-converter)"
echo
work=build/samples
rm -rf "$work" && mkdir -p "$work" && cp samples/* "$work"/
morlindo=build/bin/morlindo
echo "Converting copies of the samples in $work with $morlindo instead:"
"$morlindo" --to plt "$work/walk.alr" || true
"$morlindo" --to rte "$work/walk.alr" || true
"$morlindo" --to wpt "$work/walk.alr" || true
"$morlindo" --to alr "$work/hike.plt" || true
"$morlindo" --to alr "$work/city.nmea" --from nmea || true
"$morlindo" --to plt "$work/city.nmea" || true
"$morlindo" --to alr "$work/park.gpx" || true
"$morlindo" --to gpx "$work/walk.alr" || true
for output in "$work"/*.plt "$work"/*.rte "$work"/*.wpt "$work"/*.gpx; do
    [ -e "$output" ] || continue
    echo
    echo "== $output"
    head -n 9 "$output"
done
