// Inputs that are not what their names say, or are odd in size or bytes:
// every conversion either converts them or stops with one error naming the
// file (and the line, for a track file), never crashes and never leaves an
// output behind on an error. An over-long line (above the line reader's
// 1 MiB) is an error in a track file and a passed-over line in a log, and
// reading it takes no more memory than the limit.
#include <gtest/gtest.h>

#include <random>

#include "convert/conversions.h"
#include "formats/almap_track.h"
#include "io/error.h"
#include "support/test_files.h"

#ifdef __linux__
#include <sys/resource.h>
#endif

namespace morlindo {
namespace {

namespace fs = std::filesystem;
using test::crlfLines;
using test::kGga;
using test::kRmc;
using test::readFile;
using test::TempDir;
using test::writeFile;

const std::string kByteOrderMark = "\xEF\xBB\xBF";
const std::string kMegabytes(3 << 20, 'x');

std::string trackFile(const std::string& count, const std::string& points) {
    return test::oziTrackHeader("t", count) + points;
}

// Bytes from a fixed seed; the engine's output is the same everywhere.
std::string randomBytes(std::size_t count, unsigned seed) {
    std::mt19937 generator(seed);
    std::string bytes(count, '\0');
    for (auto& byte : bytes) byte = static_cast<char>(generator() & 0xFF);
    return bytes;
}

std::string withNul(std::string text, std::size_t at) { return text.insert(at, 1, '\0'); }

constexpr ConversionKind kFromAlmap[] = {ConversionKind::AlmapToOziTrack,
                                         ConversionKind::AlmapToOziRoute,
                                         ConversionKind::AlmapToOziWaypoints};
constexpr ConversionKind kFromNmea[] = {ConversionKind::NmeaToAlmap,
                                        ConversionKind::NmeaToOziTrack};

// What a conversion should make of an input: so many points, or an error
// whose message follows the path.
struct Outcome {
    std::uint64_t points;
    std::string error;  // ":7: latitude ..." or ": the file ends ..."
};

Outcome converts(std::uint64_t points) { return {points, ""}; }
Outcome fails(const std::string& error) { return {0, error}; }

struct Case {
    std::string name;
    std::string bytes;
    Outcome outcome;
};

void expectOutcome(ConversionKind kind, const std::string& name, const std::string& bytes,
                   const Outcome& outcome, std::optional<FileKind> source = std::nullopt) {
    TempDir dir;
    const Conversion& row = conversion(kind);
    const auto input =
        dir / ("in" + std::string(fileKindInfo(source.value_or(row.sources.front())).extension));
    const auto output = dir / ("in" + std::string(fileKindInfo(row.target).extension));
    writeFile(input, bytes);
    const std::string what = name + " (conversion " + std::to_string(static_cast<int>(kind)) + ")";
    try {
        const auto result = convertFile(kind, input, ConversionOptions{}, test::fixedContext());
        EXPECT_EQ(outcome.error, "") << what << " converted";
        EXPECT_EQ(result.points, outcome.points) << what;
        EXPECT_TRUE(fs::is_regular_file(output)) << what;
    } catch (const Error& error) {
        EXPECT_EQ(error.what(), displayPath(input) + outcome.error) << what;
        EXPECT_EQ(dir.entries().size(), 1u) << what << " left an output";
    }
}

TEST(BadInput, AlmapTracksOfOddSizesAndBytes) {
    const Case cases[] = {
        {"a track file of another kind", trackFile("1", "37.5,127.25\r\n"),
         fails(": this is not an AlMap track file: it does not begin with the AlMap track "
               "signature")},
        {"random bytes after the signature", test::kAlmapSignature + randomBytes(20 * 32, 7),
         fails(": record 1: the longitude 1.061536275e+191 is not a number of degrees from -180 "
               "to 180; this is not an AlMap track file")},
        {"the signature alone", test::kAlmapSignature, converts(0)},
    };
    for (const auto kind : kFromAlmap) {
        for (const auto& c : cases) expectOutcome(kind, c.name, c.bytes, c.outcome);
    }
}

TEST(BadInput, OziTracksOfGarbageBinaryAndOverLongLines) {
    const std::string tooShort =
        ": the file ends before line 6, which gives the number of points; it is not an "
        "OziExplorer track file";
    const Case cases[] = {
        {"0 bytes", "", fails(tooShort)},
        {"a byte-order mark alone", kByteOrderMark, fails(":1" + tooShort)},
        {"binary in a point line",
         trackFile("0", "1,2\r\n" + std::string("\x01\x02\0\x1B,5\r\n", 7)),
         fails(":8: latitude \"????\" is not a number")},
        {"a NUL in a number", trackFile("0", std::string("37.5\0,127\r\n", 11)),
         fails(":7: latitude \"37.5?\" is not a number")},
        {"megabytes without a line end as a point line", trackFile("0", "1,2\r\n" + kMegabytes),
         fails(":8: the line is too long for a track file")},
        {"megabytes in a header line, which is not read",
         crlfLines({"1", "WGS 84", "3", "4", "5"}) + kMegabytes + "\r\n1,2\r\n", converts(1)},
        {"a latitude beyond the pole, which no AlMap track holds",
         trackFile("0", "1,2\r\n95,127\r\n"),
         fails(":8: point 2 at latitude 95, longitude 127 lies outside what an AlMap track holds "
               "(latitude -90 to 90, longitude -180 to 180)")},
    };
    for (const auto& c : cases) {
        expectOutcome(ConversionKind::OziTrackToAlmap, c.name, c.bytes, c.outcome);
    }
}

// Nothing in a log is an error: what is not a sentence is passed over.
TEST(BadInput, NmeaLogsOfGarbageBinaryAndOverLongLines) {
    const std::string pair = crlfLines({kGga, kRmc});
    const Case cases[] = {
        {"0 bytes", "", converts(0)},
        {"binary between the sentences",
         kGga + "\r\n" + randomBytes(5000, 8) + "\r\n" + kRmc + "\r\n", converts(1)},
        {"a NUL in the latitude", withNul(kGga, kGga.find(",N,")) + "\r\n" + kRmc, converts(0)},
        {"a byte-order mark before the first sentence", kByteOrderMark + pair, converts(1)},
        {"megabytes without a line end after a pair", pair + kMegabytes, converts(1)},
        {"megabytes, then a pair", kMegabytes + "\r\n" + pair, converts(1)},
        {"a longitude beyond 180 degrees",
         crlfLines({"$GPGGA,123519,4807.0381,N,25316.680,E,1,08,0.9,545.4,M,46.9,M,,",
                    "$GPRMC,123519,A,4807.038,N,25316.680,E,022.4,084.4,230394,003.1,W"}),
         converts(0)},
    };
    for (const auto kind : kFromNmea) {
        for (const auto& c : cases) expectOutcome(kind, c.name, c.bytes, c.outcome);
    }
}

// GPX holds latitudes to 90 degrees either way and longitudes to 180; a
// damaged track may hold more.
TEST(BadInput, PointsThatGpxCannotHold) {
    const std::string beyond =
        " lies outside what GPX holds (latitude -90 to 90, longitude -180 to 180)";
    expectOutcome(ConversionKind::TrackToGpx, "OziExplorer", trackFile("0", "1,2\r\n-90.25,0\r\n"),
                  fails(":8: point 2 at latitude -90.25, longitude 0" + beyond),
                  FileKind::OziTrack);
}

#ifdef __linux__

// The peak memory of the process, in KiB.
long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(BadInput, AnOverLongLineTakesNoMoreMemoryThanTheLimit) {
    TempDir dir;
    {
        std::ofstream log(dir / "log.nmea", std::ios::binary);
        std::ofstream track(dir / "t.plt", std::ios::binary);
        std::ofstream gpx(dir / "t.gpx", std::ios::binary);  // a 32 MiB attribute
        track << trackFile("0", "1,2\r\n");
        gpx << "<gpx><wpt lat=\"1\" lon=\"2\" name=\"";
        const std::string chunk(1 << 20, 'x');
        for (int i = 0; i < 32; ++i) {
            log << chunk;
            track << chunk;
            gpx << chunk;
        }
        log << "\r\n" << kGga << "\r\n" << kRmc << "\r\n";
        gpx << "\"/></gpx>\n";
    }
    const long before = peakKilobytes();
    EXPECT_EQ(convertFile(ConversionKind::NmeaToOziTrack, dir / "log.nmea", ConversionOptions{},
                          test::fixedContext())
                  .points,
              1u);
    for (const auto kind : {ConversionKind::OziTrackToAlmap, ConversionKind::GpxToAlmap}) {
        const auto input = dir / (kind == ConversionKind::GpxToAlmap ? "t.gpx" : "t.plt");
        EXPECT_THROW(convertFile(kind, input, ConversionOptions{}, test::fixedContext()), Error);
    }
    EXPECT_LT(peakKilobytes() - before, 16 * 1024) << "a 32 MiB line was held in memory";
}

#endif  // __linux__

// A sparse file: its length says billions of bytes, and holds no data.
TEST(BadInput, AlmapTracksBeyondTwoAndFourGibibytesAreCountedWhole) {
    const std::pair<std::uint64_t, std::uint64_t> cases[] = {
        {(std::uint64_t{1} << 31) + 13 + 32 * 3, (std::uint64_t{1} << 26) + 3},
        {(std::uint64_t{5} << 30) + 13, std::uint64_t{5} << 25},
    };
    for (const auto& [length, records] : cases) {
        TempDir dir;
        writeFile(dir / "big.alr", test::almapFile({{127.25, 37.5}}));
        std::error_code status;
        fs::resize_file(dir / "big.alr", length, status);
        if (status) GTEST_SKIP() << "this file system holds no sparse file of " << length;
        AlmapTrackReader reader(dir / "big.alr");
        EXPECT_EQ(reader.recordCount(), records);
        EXPECT_EQ(reader.next()->longitude, 127.25);
        EXPECT_EQ(reader.next()->longitude, 0.0);  // the hole reads as zeros
    }
}

// Points past every 16-bit count, all different, through every conversion
// from an AlMap track: each output holds them all, numbered on.
TEST(BadInput, SeventyThousandPointsThroughEveryAlmapConversion) {
    constexpr int kPoints = 70000;
    std::vector<std::pair<double, double>> track;
    for (int i = 0; i < kPoints; ++i) track.emplace_back(126 + i * 1e-5, 37 - i * 1e-5);
    TempDir dir;
    writeFile(dir / "long.alr", test::almapFile(track));
    struct Expected {
        ConversionKind kind;
        const char* output;
        std::string countLine;  // empty where the file has none
        std::string lastLine;
    };
    const Expected expected[] = {
        {ConversionKind::AlmapToOziTrack, "long.plt", "\r\n 70000 \r\n",
         " 36.30001 , 126.69999 , 0 ,-777 , 38299.6458333333 ,08-Nov-04,15:30:00\r\n"},
        {ConversionKind::AlmapToOziRoute, "long.rte", "",
         "W, 0 , 70000 , 70000 ,, 36.30001 , 126.69999 ,, 0 , 1 , 3 , 255 , 16777215 , 0 , 0 "
         "\r\n"},
        {ConversionKind::AlmapToOziWaypoints, "long.wpt", "",
         " 70000 ,WPT70000, 36.30001 , 126.69999 ,,, 1 ,, 255 , 16777215 ,,,,,-777 \r\n"},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(
            convertFile(e.kind, dir / "long.alr", ConversionOptions{}, test::fixedContext()).points,
            std::uint64_t{kPoints});
        const std::string text = readFile(dir / e.output);
        EXPECT_TRUE(text.ends_with(e.lastLine)) << e.output;
        EXPECT_NE(text.find(e.countLine), std::string::npos) << e.output;
    }
}

}  // namespace
}  // namespace morlindo
