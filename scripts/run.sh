#!/usr/bin/env bash
# Installs what is missing, builds, and shows the converter at work: converts
# copies of the bundled samples with `morlindo` and prints what came out.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
require_packages "${CORE_PACKAGES[@]}"

cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target morlindo

work=build/samples
rm -rf "$work" && mkdir -p "$work" && cp samples/* "$work"/
morlindo=build/bin/morlindo
echo "Converting copies of the samples in $work:"
"$morlindo" --to plt "$work/walk.alr" || true
"$morlindo" --to rte "$work/walk.alr" || true
"$morlindo" --to wpt "$work/walk.alr" || true
"$morlindo" --to alr "$work/hike.plt" || true
"$morlindo" --to alr "$work/city.nmea" --from nmea || true
"$morlindo" --to plt "$work/city.nmea" || true
for output in "$work"/*.plt "$work"/*.rte "$work"/*.wpt; do
    [ -e "$output" ] || continue
    echo
    echo "== $output"
    head -n 9 "$output"
done

