// The point lines as the AlMap conversions write them, and each of the six
// conversions run whole on a small file of the benchmark drive, per point.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bench_inputs.h"
#include "convert/conversions.h"
#include "formats/ozi_text_file.h"
#include "support/test_files.h"

namespace {

using namespace morlindo;

void almapPointLineCoordinates(benchmark::State& state) {
    std::mt19937_64 random(20041108);
    std::uniform_real_distribution<double> latitude(-90.0, 90.0);
    std::uniform_real_distribution<double> longitude(-180.0, 180.0);
    std::vector<std::pair<double, double>> points(4096);
    for (auto& point : points) point = {latitude(random), longitude(random)};
    std::string line;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [pointLatitude, pointLongitude] = points[i++ % points.size()];
        line.clear();
        appendPrintedCoordinates(line, pointLatitude, pointLongitude);
        benchmark::DoNotOptimize(line.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(almapPointLineCoordinates);

constexpr int kPoints = 10000;

// The input of the conversion, in a folder of its own, so that the output
// lands beside it.
std::filesystem::path writeInput(const test::TempDir& dir, ConversionKind kind) {
    switch (conversion(kind).sources.front()) {
        case FileKind::NmeaLog:
            bench::writeBenchLog(dir / "log.nmea", kPoints);
            return dir / "log.nmea";
        case FileKind::OziTrack: {
            std::filesystem::create_directory(dir / "made");
            bench::writeBenchTrack(dir / "made" / "track.alr", kPoints);
            const auto made =
                convertFile(ConversionKind::AlmapToOziTrack, dir / "made" / "track.alr",
                            ConversionOptions{}, test::fixedContext());
            std::filesystem::rename(made.output, dir / "track.plt");
            return dir / "track.plt";
        }
        default:
            bench::writeBenchTrack(dir / "track.alr", kPoints);
            return dir / "track.alr";
    }
}

void conversion(benchmark::State& state, ConversionKind kind) {
    const test::TempDir dir;
    const auto input = writeInput(dir, kind);
    const ConversionOptions options;
    const SystemClock clock;
    const auto context = test::fixedContext(clock);
    for (auto _ : state) convertFile(kind, input, options, context);
    state.SetItemsProcessed(state.iterations() * kPoints);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(input)));
}
BENCHMARK_CAPTURE(conversion, almapToOziTrack, ConversionKind::AlmapToOziTrack);
BENCHMARK_CAPTURE(conversion, almapToOziRoute, ConversionKind::AlmapToOziRoute);
BENCHMARK_CAPTURE(conversion, almapToOziWaypoints, ConversionKind::AlmapToOziWaypoints);
BENCHMARK_CAPTURE(conversion, oziTrackToAlmap, ConversionKind::OziTrackToAlmap);
BENCHMARK_CAPTURE(conversion, nmeaToAlmap, ConversionKind::NmeaToAlmap);
BENCHMARK_CAPTURE(conversion, nmeaToOziTrack, ConversionKind::NmeaToOziTrack);

}  // namespace
