#include "batch/run_batch.h"

#include <gtest/gtest.h>

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

const Message kCompletion{"정상적으로 변환이 완료되었습니다", "변환완료", MessageIcon::Information};

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

TEST(RunBatch, ConvertsEveryFileReadingTheOptionsJustBeforeIt) {
    TempDir dir;
    for (const char* name : {"a.alr", "b.alr", "c.alr"}) {
        writeFile(dir / name, almapFile({{127.0, 37.5}}));
    }
    CountingOptions options;
    Events events;
    const auto outcome =
        runBatch(ConversionKind::AlmapToOziTrack, {dir / "a.alr", dir / "b.alr", dir / "c.alr"},
                 std::ref(options), tableConverter(),
                 [&](std::size_t row, RowEvent event) { events.emplace_back(row, event); });
    EXPECT_EQ(outcome.converted, 3u);
    EXPECT_EQ(messageFor(outcome), kCompletion);
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
    EXPECT_EQ(messageFor(outcome), (Message{displayPath(dir / "gone.alr") +
                                                ": cannot open it: No such file or directory",
                                            "변환 오류", MessageIcon::Critical}));
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"a.alr", "a.plt"}));

    // A failure that is no file error is named after the input.
    RecordingConverter recording;
    recording.failingInputs = {"d/x.nmea"};
    const auto other = runBatch(ConversionKind::NmeaToAlmap, {"d/x.nmea"}, CountingOptions{},
                                recording.converter());
    EXPECT_EQ(messageFor(other)->text, displayPath("d/x.nmea") + ": cannot read it");
}

TEST(RunBatch, AnEmptyListConvertsNothingAndStillReportsCompletion) {
    CountingOptions options;
    RecordingConverter recording;
    const auto outcome =
        runBatch(ConversionKind::NmeaToAlmap, {}, std::ref(options), recording.converter());
    EXPECT_TRUE(recording.calls.empty());
    EXPECT_EQ(options.read, 0);
    EXPECT_EQ(messageFor(outcome), kCompletion);
}

TEST(RunBatch, ACancelledConversionStopsTheBatchWithoutAMessage) {
    RecordingConverter recording;
    recording.onConvert = [&] {
        if (recording.calls.size() == 2) throw ConversionCancelled();
    };
    const auto outcome = runBatch(ConversionKind::NmeaToAlmap, {"a.nmea", "b.nmea", "c.nmea"},
                                  CountingOptions{}, recording.converter());
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(outcome.converted, 1u);
    EXPECT_EQ(recording.calls.size(), 2u);
    EXPECT_EQ(messageFor(outcome), std::nullopt);
}

}  // namespace
}  // namespace morlindo
