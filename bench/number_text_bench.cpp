// The number renderings and the number reader, on the kinds of values the
// conversions meet: coordinates of full double precision, day numbers, whole
// altitudes, and the fields of NMEA sentences and track point lines.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "formats/number_text.h"

namespace {

using namespace morlindo;

// Latitudes and longitudes as a receiver or a map program stores them.
std::vector<double> coordinates() {
    std::mt19937_64 random(20041108);
    std::uniform_real_distribution<double> degrees(-180.0, 180.0);
    std::vector<double> values(4096);
    for (auto& value : values) value = degrees(random);
    return values;
}

template <typename Render>
void renderEach(benchmark::State& state, const std::vector<double>& values, Render render) {
    std::string out;
    std::size_t i = 0;
    for (auto _ : state) {
        out.clear();
        render(out, values[i++ % values.size()]);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations());
}

void printedCoordinate(benchmark::State& state) {
    renderEach(state, coordinates(),
               [](std::string& out, double v) { appendPrintStyleNumber(out, v); });
}
BENCHMARK(printedCoordinate);

// Rounding with roundToSixDecimals and printing the result, against the one
// pass that gives the same text.
void printedSixDecimalCoordinate(benchmark::State& state) {
    renderEach(state, coordinates(), [](std::string& out, double v) {
        appendPrintStyleNumber(out, roundToSixDecimals(v));
    });
}
BENCHMARK(printedSixDecimalCoordinate);

void printedSixDecimalCoordinateInOnePass(benchmark::State& state) {
    renderEach(state, coordinates(),
               [](std::string& out, double v) { appendPrintStyleSixDecimals(out, v); });
}
BENCHMARK(printedSixDecimalCoordinateInOnePass);

void printedDayNumber(benchmark::State& state) {
    renderEach(state, {38299.645833333336, 38299.64584490741},
               [](std::string& out, double v) { appendPrintStyleNumber(out, v); });
}
BENCHMARK(printedDayNumber);

void maskedSevenDecimals(benchmark::State& state) {
    renderEach(state, coordinates(),
               [](std::string& out, double v) { appendMaskedNumber(out, v, kMaskSevenDecimals); });
}
BENCHMARK(maskedSevenDecimals);

void maskedSixDecimals(benchmark::State& state) {
    renderEach(state, {38299.645833333336, 34416.89952546296},
               [](std::string& out, double v) { appendMaskedNumber(out, v, kMaskSixDecimals); });
}
BENCHMARK(maskedSixDecimals);

void maskedFourDigits(benchmark::State& state) {
    renderEach(state, {1789.0, 164.0, -5.0, 12345.0},
               [](std::string& out, double v) { appendMaskedNumber(out, v, kMaskFourDigits); });
}
BENCHMARK(maskedFourDigits);

void parsedField(benchmark::State& state) {
    const std::vector<std::string> fields{"33.9929", "127.1234560", " 37.5 ", "545.4", "0123"};
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(parseNumber(fields[i++ % fields.size()]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(parsedField);

}  // namespace
