#include "batch/run_batch.h"

#include <gtest/gtest.h>

#include "batch/output_clash.h"
#include "io/error.h"
#include "support/fake_front_end.h"
#include "support/test_files.h"

namespace morlindo {
namespace {

using test::almapFile;
using test::Paths;
using test::readFile;
using test::RecordingConverter;
using test::TempDir;
using test::writeFile;

// Options that change with every reading, as controls a user keeps
// changing would: the track colour counts the readings.
struct CountingOptions {
    int read = 0;
    ConversionOptions operator()() {
        ConversionOptions options;
        options.track.trackColor = ++read;
        return options;
    }
};

using Events = std::vector<std::pair<std::size_t, RowEvent>>;

struct RecordingProgress final : ReadProgress {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> heard;
    void advanced(std::uint64_t read, std::uint64_t total) override {
        heard.emplace_back(read, total);
    }
};

TEST(RunBatch, ConvertsEveryFileReadingTheOptionsJustBeforeIt) {
    TempDir dir;
    for (const char* name : {"a.alr", "b.alr", "c.alr"}) {
        writeFile(dir / name, almapFile({{127.0, 37.5}}));
    }
    CountingOptions options;
    Events events;
    RecordingProgress progress;
    const auto outcome = runBatch(
        ConversionKind::AlmapToOziTrack, {dir / "a.alr", dir / "b.alr", dir / "c.alr"},
        std::ref(options), tableConverter(),
        [&](std::size_t row, RowEvent event) { events.emplace_back(row, event); }, &progress);
    EXPECT_EQ(outcome.converted, 3u);
    EXPECT_FALSE(outcome.failure || outcome.cancelled);
    // Each file is read to its end: its signature, then its record.
    const std::pair<std::uint64_t, std::uint64_t> signature{13, 45}, whole{45, 45};
    EXPECT_EQ(progress.heard, (std::vector{signature, whole, signature, whole, signature, whole}));
    EXPECT_EQ(events, (Events{{0, RowEvent::Started},
                              {0, RowEvent::Converted},
                              {1, RowEvent::Started},
                              {1, RowEvent::Converted},
                              {2, RowEvent::Started},
                              {2, RowEvent::Converted}}));
    EXPECT_NE(readFile(dir / "c.plt").find("\r\n0,2,3,c,1,0,0,3\r\n"), std::string::npos);
}

TEST(RunBatch, StopsAtTheFailingRowAndNamesItsFile) {
    TempDir dir;
    writeFile(dir / "a.alr", almapFile({{127.0, 37.5}}));
    Events events;
    const auto outcome =
        runBatch(ConversionKind::AlmapToOziTrack, {dir / "a.alr", dir / "gone.alr", dir / "c.alr"},
                 CountingOptions{}, tableConverter(),
                 [&](std::size_t row, RowEvent event) { events.emplace_back(row, event); });
    EXPECT_EQ(outcome.converted, 1u);
    EXPECT_EQ(events.back(), std::make_pair(std::size_t{1}, RowEvent::Failed));
    EXPECT_EQ(outcome.failedInput, dir / "gone.alr");
    EXPECT_THROW(std::rethrow_exception(outcome.failure), Error);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"a.alr", "a.plt"}));
}

TEST(RunBatch, AnEmptyListConvertsNothingAndStillReportsCompletion) {
    CountingOptions options;
    RecordingConverter recording;
    const auto outcome =
        runBatch(ConversionKind::NmeaToAlmap, {}, std::ref(options), recording.converter());
    EXPECT_TRUE(recording.calls.empty());
    EXPECT_EQ(options.read, 0);
    EXPECT_FALSE(outcome.failure || outcome.cancelled);
}

TEST(RunBatch, ACancelledConversionStopsTheBatch) {
    RecordingConverter recording;
    recording.onConvert = [&] {
        if (recording.calls.size() == 2) throw ConversionCancelled();
    };
    const auto outcome = runBatch(ConversionKind::NmeaToAlmap, {"a.nmea", "b.nmea", "c.nmea"},
                                  CountingOptions{}, recording.converter());
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(outcome.converted, 1u);
    EXPECT_EQ(recording.calls.size(), 2u);
    EXPECT_FALSE(outcome.failure);

    // Cancelled while the options are read: the file is not started.
    const auto early = runBatch(
        ConversionKind::NmeaToAlmap, {"d.nmea"},
        []() -> ConversionOptions { throw ConversionCancelled(); }, recording.converter());
    EXPECT_TRUE(early.cancelled);
    EXPECT_EQ(recording.calls.size(), 2u);
}

}  // namespace
}  // namespace morlindo

namespace morlindo {
namespace {

TEST(FindOutputClash, NamesTheFirstTwoInputsThatWouldWriteOneOutput) {
    struct Case {
        ConversionKind kind;
        Paths inputs;
        std::filesystem::path folder;
        std::optional<OutputClash> clash;
    };
    const Case cases[] = {
        {ConversionKind::AlmapToOziTrack, {"d/2023.05.01 a.alr", "d/2023.06.01 a.alr"}, {}, {}},
        {ConversionKind::AlmapToOziTrack, {"d/a.alr", "e/a.alr", "d/a.alr"}, {}, {}},  // a repeat
        {ConversionKind::AlmapToOziTrack,
         {"d/a.alr", "e/a.alr"},
         "out",
         OutputClash{"d/a.alr", "e/a.alr", std::filesystem::path("out") / "a.plt"}},
        {ConversionKind::TrackToGpx,
         {"d/x.nmea", "d/a.alr", "d/a.plt", "d/x.alr"},
         {},
         OutputClash{"d/a.alr", "d/a.plt", "d/a.gpx"}},
    };
    for (const auto& c : cases) {
        const auto clash = findOutputClash(c.kind, c.inputs, c.folder);
        ASSERT_EQ(clash.has_value(), c.clash.has_value());
        if (!clash) continue;
        EXPECT_EQ(clash->first, c.clash->first);
        EXPECT_EQ(clash->second, c.clash->second);
        EXPECT_EQ(clash->output, c.clash->output);
    }
}

}  // namespace
}  // namespace morlindo
