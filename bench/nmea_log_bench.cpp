// Reading an NMEA log: a sentence split into its fields, a coordinate of
// degrees and minutes, and the two readings over a whole log in a file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string_view>

#include "bench_inputs.h"
#include "formats/nmea_log.h"
#include "formats/nmea_sentence.h"
#include "support/test_files.h"

namespace {

using namespace morlindo;

constexpr std::string_view kGga =
    "$GPGGA,090000.00,3733.9929,N,12658.6841,E,1,08,0.9,38.3,M,18.5,M,,*5C";
constexpr std::string_view kRmc =
    "$GPRMC,090000.00,A,3733.9929,N,12658.6841,E,015.7,048.3,081104,,,A*5B";

void splitGga(benchmark::State& state) {
    for (auto _ : state) {
        const NmeaFields fields(kGga, NmeaFields::kMaxFields);
        benchmark::DoNotOptimize(fields[9]);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kGga.size()));
}
BENCHMARK(splitGga);

void splitRmc(benchmark::State& state) {
    for (auto _ : state) {
        const NmeaFields fields(kRmc, 12);
        benchmark::DoNotOptimize(fields[9]);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kRmc.size()));
}
BENCHMARK(splitRmc);

void coordinate(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(nmeaCoordinate("3733.9929", 2));
        benchmark::DoNotOptimize(nmeaCoordinate("12658.6841", 3));
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(coordinate);

constexpr int kLogSeconds = 10000;

template <typename NextFix>
void readWholeLog(benchmark::State& state, NextFix nextFix) {
    const test::TempDir dir;
    const auto log = dir / "log.nmea";
    bench::writeBenchLog(log, kLogSeconds);
    for (auto _ : state) {
        NmeaLogReader reader(log);
        while (const auto fix = nextFix(reader)) benchmark::DoNotOptimize(fix->latitude);
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(log)));
    state.SetItemsProcessed(state.iterations() * kLogSeconds);
}

void pairedReading(benchmark::State& state) {
    readWholeLog(state, [](NmeaLogReader& reader) { return reader.nextPairedFix(); });
}
BENCHMARK(pairedReading);

void ggaOnlyReading(benchmark::State& state) {
    readWholeLog(state, [](NmeaLogReader& reader) { return reader.nextGgaFix(); });
}
BENCHMARK(ggaOnlyReading);

}  // namespace
