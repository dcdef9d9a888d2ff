#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time,
# starting from the project's own test and sample files. Fails on any
# finding; the input that caused it is kept in build-fuzz/findings/.
#   scripts/fuzz.sh [SECONDS_PER_TARGET]     (default 15)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
require_packages "${CORE_PACKAGES[@]}" clang libclang-rt-dev

seconds=${1:-15}
if ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    echo "fuzz: clang's fuzzer runtime is not installed; skipping the fuzz targets"
    exit 0
fi

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMORLINDO_BUILD_FUZZERS=ON -DMORLINDO_BUILD_TESTS=OFF -DMORLINDO_BUILD_GUI=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"

# Seeds: every file of the given kinds among the samples, the test data and
# the fuzz seeds (fuzz/seeds/<kind>/ holds odd cases the others lack).
seed_folder() {
    local target=$1 folder="$build/seeds/$1"
    shift
    rm -rf "$folder" && mkdir -p "$folder"
    for pattern in "$@"; do
        find samples tests/data fuzz/seeds -type f -name "$pattern" \
            -exec cp --backup=numbered {} "$folder"/ \; 2>/dev/null || true
    done
    echo "$folder"
}

mkdir -p "$build/findings"
failed=0
# run_target TARGET DICTIONARY|- SEED_PATTERN...
run_target() {
    local target=$1 dictionary=$2
    shift 2
    local seeds corpus="$build/corpus/$target" options=()
    seeds=$(seed_folder "$target" "$@")
    mkdir -p "$corpus"
    [ "$dictionary" != - ] && options+=(-dict="fuzz/$dictionary")
    echo "== $target (${seconds}s)"
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/findings/$target-" "${options[@]}" \
        "$corpus" "$seeds" 2>"$build/$target.log"; then
        tail -n 40 "$build/$target.log"
        failed=1
    fi
    grep -E '^stat::number_of_executed_units' "$build/$target.log" || true
}

run_target almap_track_fuzzer - '*.alr'
run_target ozi_track_fuzzer ozi_track.dict '*.plt'
run_target ozi_records_fuzzer ozi_records.dict '*.wpt' '*.rte'
run_target number_text_fuzzer - '*.bin'
run_target nmea_paired_fuzzer nmea.dict '*.nmea'
run_target nmea_gga_fuzzer nmea.dict '*.nmea'
run_target gpx_reader_fuzzer gpx.dict '*.gpx'
exit $failed
