#!/usr/bin/env bash
# Times every conversion of `morlindo` on large inputs it generates itself,
# and GPSBabel's conversions of the same files where GPSBabel can be
# installed; prints the median time, the throughput, the peak memory and the
# ratios, and names every target (bench/README.md) that the numbers miss.
#   bench/run.sh [--micro]      --micro also runs the micro-benchmarks
# Environment: MORLINDO_BENCH_PAIRS (seconds of log and points of track,
# default 1000000), MORLINDO_BENCH_RUNS (runs of each morlindo conversion,
# default 5), MORLINDO_BENCH_PEER_RUNS (runs of each GPSBabel conversion,
# default 3).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
require_packages "${CORE_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
command -v gpsbabel >/dev/null || require_packages gpsbabel ||
    echo "GPSBabel could not be installed; timing morlindo alone."

micro=0
[ "${1:-}" = --micro ] && micro=1
pairs=${MORLINDO_BENCH_PAIRS:-1000000}
runs=${MORLINDO_BENCH_RUNS:-5}
peer_runs=${MORLINDO_BENCH_PEER_RUNS:-3}

build="build-bench"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DMORLINDO_BUILD_BENCHMARKS=ON \
    -DMORLINDO_BUILD_TESTS=OFF -DMORLINDO_BUILD_GUI=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target morlindo make_bench_inputs morlindo_bench >/dev/null
morlindo=$build/bin/morlindo

# The inputs, each in a folder of its own: the outputs land beside them.
work=$build/bench-run
rm -rf "$work" && mkdir -p "$work"/{nmea,alr,plt,gpx,peer,times}
echo "Writing the inputs ($pairs seconds of log, $pairs track points) ..."
"$build/bench/make_bench_inputs" "$work/nmea" "$pairs"
mv "$work/nmea/track.alr" "$work/alr/track.alr"
"$morlindo" -q --to plt "$work/alr/track.alr"
mv "$work/alr/track.plt" "$work/plt/track.plt"
"$morlindo" -q --to gpx "$work/nmea/log.nmea"
mv "$work/nmea/log.gpx" "$work/gpx/track.gpx"

# Runs a command once and appends "microseconds peak-KiB" to the file.
run_once() {
    local times=$1
    shift
    local start end
    start=$(date +%s%N)
    if ! /usr/bin/time -f '%M' -o "$work/rss" "$@" >/dev/null 2>"$work/stderr"; then
        echo "failed: $*" >&2
        cat "$work/stderr" >&2
        exit 1
    fi
    end=$(date +%s%N)
    echo "$(((end - start) / 1000)) $(tail -n 1 "$work/rss")" >>"$times"
}

median_seconds() { sort -n "$1" | awk '{t[NR] = $1} END {printf "%.3f", t[int((NR + 1) / 2)] / 1e6}'; }
peak_mib() { awk '$2 > max {max = $2} END {printf "%.1f", max / 1024}' "$1"; }
megabytes() { awk -v b="$(stat -c %s "$1")" 'BEGIN {printf "%.1f", b / 1e6}'; }

# measure NAME RUNS COMMAND...: RUNS timed runs of the command.
measure() {
    local name=$1 count=$2
    shift 2
    for ((i = 0; i < count; i++)); do run_once "$work/times/$name" "$@"; done
}

rows=(
    "almap-plt|AlMap -> Ozi track|alr/track.alr|--to plt"
    "almap-rte|AlMap -> Ozi route|alr/track.alr|--to rte"
    "almap-wpt|AlMap -> Ozi waypoints|alr/track.alr|--to wpt"
    "plt-almap|Ozi track -> AlMap|plt/track.plt|--to alr"
    "nmea-almap|NMEA -> AlMap|nmea/log.nmea|--to alr"
    "nmea-plt|NMEA -> Ozi track|nmea/log.nmea|--to plt"
    "gpx-almap|GPX -> AlMap|gpx/track.gpx|--to alr"
    "gpx-plt|GPX -> Ozi track|gpx/track.gpx|--to plt"
    "almap-gpx|AlMap -> GPX|alr/track.alr|--to gpx"
    "nmea-gpx|NMEA -> GPX|nmea/log.nmea|--to gpx"
    "info-almap|info of an AlMap track|alr/track.alr|info"
    "info-gpx|info of a GPX file|gpx/track.gpx|info"
)
# GPSBabel reads the same files; it has no AlMap format, so it converts the
# track, the log and the GPX file into OziExplorer tracks.
declare -A peer=(
    [plt-almap]="-i ozi -f $work/plt/track.plt -o ozi -F $work/peer/track.plt"
    [nmea-plt]="-i nmea -f $work/nmea/log.nmea -o ozi -F $work/peer/log.plt"
    [gpx-almap]="-i gpx -f $work/gpx/track.gpx -o ozi -F $work/peer/gpx.plt"
)
declare -A peer_name=([plt-almap]="gpsbabel ozi -> ozi" [nmea-plt]="gpsbabel nmea -> ozi"
    [gpx-almap]="gpsbabel gpx -> ozi")
has_peer=0
command -v gpsbabel >/dev/null && has_peer=1

load_before=$(cut -d ' ' -f 1-3 /proc/loadavg)
for row in "${rows[@]}"; do
    IFS='|' read -r id name input options <<<"$row"
    echo "Timing $name ($runs runs after one that reads the input into the cache) ..."
    # shellcheck disable=SC2206  # the options are words
    command=("$morlindo" $options "$work/$input")
    [ "$options" = info ] || command=("$morlindo" -q $options "$work/$input")
    run_once "$work/times/warm-up" "${command[@]}"
    measure "$id" "$runs" "${command[@]}"
    if [ "$has_peer" = 1 ] && [ -n "${peer[$id]:-}" ]; then
        echo "Timing GPSBabel on the same file ($peer_runs runs) ..."
        # shellcheck disable=SC2086
        measure "$id-peer" "$peer_runs" gpsbabel ${peer[$id]}
    fi
done
load_after=$(cut -d ' ' -f 1-3 /proc/loadavg)

echo
echo "morlindo $("$morlindo" --version | cut -d ' ' -f 2), $(nproc) processors," \
    "load average $load_before before and $load_after after;" \
    "median of $runs runs (GPSBabel: $peer_runs), MB = 10^6 bytes"
[ "$has_peer" = 1 ] && echo "peer: $(gpsbabel -V | grep -m 1 -i version)"
echo
format="%-23s %-14s %8s %9s %8s %9s | %-18s %9s %9s %8s\n"
# shellcheck disable=SC2059
printf "$format" conversion input "in MB" "median s" "MB/s" "peak MiB" \
    peer "median s" "peak MiB" ratio
missed=()
check() { awk "BEGIN {exit !($2)}" || missed+=("$1"); }
for row in "${rows[@]}"; do
    IFS='|' read -r id name input _ <<<"$row"
    seconds=$(median_seconds "$work/times/$id")
    mib=$(peak_mib "$work/times/$id")
    mb=$(megabytes "$work/$input")
    throughput=$(awk -v m="$mb" -v s="$seconds" 'BEGIN {printf "%.0f", m / s}')
    peer_label="" peer_seconds="" peer_mib="" ratio=""
    if [ -f "$work/times/$id-peer" ]; then
        peer_label=${peer_name[$id]}
        peer_seconds=$(median_seconds "$work/times/$id-peer")
        peer_mib=$(peak_mib "$work/times/$id-peer")
        ratio=$(awk -v p="$peer_seconds" -v s="$seconds" \
            'BEGIN {r = p / s; printf (r < 10 ? "%.1fx" : "%.0fx"), r}')
    fi
    # shellcheck disable=SC2059
    printf "$format" "$name" "$input" "$mb" "$seconds" "$throughput" "$mib" \
        "$peer_label" "$peer_seconds" "$peer_mib" "$ratio"
    check "$name: peak memory $mib MiB, at most 16" "$mib < 16"
    case $id in
    almap-gpx | nmea-gpx) check "$name: $seconds s, at most 1" "$seconds < 1" ;;
    gpx-almap)
        [ -n "$ratio" ] && check "$name: ${ratio%x} times faster than GPSBabel, at least 4" \
            "$peer_seconds / $seconds >= 4"
        ;;
    almap-* | plt-almap | info-almap) check "$name: $seconds s, at most 0.5" "$seconds < 0.5" ;;
    nmea-plt)
        [ -n "$ratio" ] && check "$name: ${ratio%x} times faster than GPSBabel, at least 30" \
            "$peer_seconds / $seconds >= 30"
        ;;
    esac
done
echo
if [ ${#missed[@]} -eq 0 ]; then
    echo "Every target met."
else
    printf 'Target missed: %s\n' "${missed[@]}"
fi

if [ "$micro" = 1 ]; then
    echo
    "$build/bench/morlindo_bench"
fi
