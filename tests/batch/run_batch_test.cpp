#include "batch/run_batch.h"

#include <gtest/gtest.h>

#include "io/error.h"
#include "support/fake_front_end.h"
#include "support/test_files.h"

namespace morlindo {
namespace {

using test::almapFile;
using test::readFile;
using test::RecordingConverters;
using test::RecordingMessages;
using test::TempDir;
using test::writeFile;

const Message kCompletion{"정상적으로 변환이 완료되었습니다", "변환완료", MessageIcon::Information};

// Options that change with every question, as controls a user keeps
// changing would.
class CountingOptions final : public OptionsSource {
public:
    mutable int asked = 0;
    OziTrackOptions oziTrackOptions() const override {
        OziTrackOptions options;
        options.trackColor = ++asked;
        return options;
    }
    OziRouteOptions oziRouteOptions() const override {
        OziRouteOptions options;
        options.routeName = "R" + std::to_string(++asked);
        return options;
    }
    OziWaypointOptions oziWaypointOptions() const override {
        OziWaypointOptions options;
        options.namePrefix = "P" + std::to_string(++asked);
        return options;
    }
    NmeaOziTrackOptions nmeaOziTrackOptions() const override {
        NmeaOziTrackOptions options;
        options.timeZoneHours = ++asked;
        return options;
    }
};

void listFiles(FileList& list, const std::filesystem::path& folder,
               const std::vector<std::string>& names) {
    list.setRowCount(static_cast<int>(names.size()) + 1);
    for (std::size_t i = 0; i < names.size(); ++i) {
        list.setRow(static_cast<int>(i) + 1,
                    {std::to_string(i + 1), folder.string(), names[i], ""});
    }
}

std::vector<std::string> conversionColumn(const FileList& list) {
    std::vector<std::string> marks;
    for (int row = 1; row < list.rowCount(); ++row) marks.push_back(list.cell(row, 3));
    return marks;
}

class RunBatchOnFiles : public testing::Test {
protected:
    RunBatchOnFiles() {
        for (const char* name : {"a.alr", "b.alr", "c.alr"}) {
            writeFile(dir / name, almapFile({{127.0, 37.5}, {127.25, 37.75}}));
        }
    }

    TempDir dir;
    FileList list;
    CountingOptions options;
    RecordingMessages messages;
    ConverterTable converters =
        standardConverters(std::make_shared<FixedClock>(DateTime{2004, 11, 8, 15, 30, 0}));
};

TEST_F(RunBatchOnFiles, ConvertsEveryRowAndEndsWithTheCompletionMessage) {
    listFiles(list, dir.path(), {"a.alr", "b.alr", "c.alr"});
    EXPECT_TRUE(runBatch(ConversionKind::AlmapToOziTrack, list, options, converters, messages));
    EXPECT_EQ(conversionColumn(list), (std::vector<std::string>(3, "Converted")));
    EXPECT_EQ(messages.shown, std::vector<Message>{kCompletion});
    EXPECT_EQ(dir.entries(),
              (std::vector<std::string>{"a.alr", "a.plt", "b.alr", "b.plt", "c.alr", "c.plt"}));
    // The options were read once per file, just before it: the colours
    // the three files were given are 1, 2 and 3.
    EXPECT_NE(readFile(dir / "c.plt").find("\r\n0,2,3,c,1,0,0,3\r\n"), std::string::npos);
    EXPECT_EQ(readFile(dir / "a.plt").substr(0, 40), "OziExplorer Track Point File Version 2.1");
}

TEST_F(RunBatchOnFiles, StopsAtAFailingRowAndSaysWhy) {
    listFiles(list, dir.path(), {"a.alr", "missing.alr", "c.alr"});
    list.setCell(2, 3, "Converted");  // a mark from an earlier run stays
    EXPECT_FALSE(runBatch(ConversionKind::AlmapToOziTrack, list, options, converters, messages));
    EXPECT_EQ(conversionColumn(list), (std::vector<std::string>{"Converted", "Converted", ""}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "변환 오류");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_NE(messages.shown[0].text.find(displayPath(dir / "missing.alr")), std::string::npos);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"a.alr", "a.plt", "b.alr", "c.alr"}));
}

TEST_F(RunBatchOnFiles, PressedTwiceConvertsEverythingAgain) {
    listFiles(list, dir.path(), {"a.alr", "b.alr"});
    runBatch(ConversionKind::AlmapToOziTrack, list, options, converters, messages);
    writeFile(dir / "a.plt", "stale");
    runBatch(ConversionKind::AlmapToOziTrack, list, options, converters, messages);
    EXPECT_EQ(conversionColumn(list), (std::vector<std::string>(2, "Converted")));
    EXPECT_EQ(messages.shown, (std::vector<Message>{kCompletion, kCompletion}));
    EXPECT_NE(readFile(dir / "a.plt").find("0,2,3,a,1,0,0,3"), std::string::npos);
}

TEST(RunBatch, AnEmptyListConvertsNothingAndStillReportsCompletion) {
    FileList list;
    CountingOptions options;
    RecordingMessages messages;
    RecordingConverters converters;
    EXPECT_TRUE(runBatch(ConversionKind::NmeaToAlmap, list, options, converters.table(), messages));
    EXPECT_TRUE(converters.calls.empty());
    EXPECT_EQ(options.asked, 0);
    EXPECT_EQ(messages.shown, std::vector<Message>{kCompletion});
}

TEST(RunBatch, HandsEachKindItsConverterAndItsOwnOptions) {
    const ConversionOptions defaults;
    for (int value = 0; value < kConversionKindCount; ++value) {
        const auto kind = static_cast<ConversionKind>(value);
        FileList list;
        listFiles(list, "d", {"x"});
        CountingOptions options;
        RecordingMessages messages;
        RecordingConverters converters;
        runBatch(kind, list, options, converters.table(), messages);
        ASSERT_EQ(converters.calls.size(), 1u) << value;
        const test::ConverterCall& call = converters.calls[0];
        EXPECT_EQ(call.kind, kind);
        EXPECT_EQ(call.inputPath, std::filesystem::path(test::joined("d", "x")));
        const bool hasOptions =
            kind != ConversionKind::OziTrackToAlmap && kind != ConversionKind::NmeaToAlmap;
        EXPECT_EQ(options.asked, hasOptions ? 1 : 0) << value;
        EXPECT_EQ(call.options.track.trackColor, kind == ConversionKind::AlmapToOziTrack ? 1 : 255);
        EXPECT_EQ(call.options.route.routeName,
                  kind == ConversionKind::AlmapToOziRoute ? "R1" : "R0");
        EXPECT_EQ(call.options.waypoints.namePrefix,
                  kind == ConversionKind::AlmapToOziWaypoints ? "P1" : "WPT");
        EXPECT_EQ(call.options.nmeaTrack.timeZoneHours,
                  kind == ConversionKind::NmeaToOziTrack ? 1 : 9);
    }
}

TEST(RunBatch, NamesTheInputOfAFailureThatIsNotAFileError) {
    FileList list;
    listFiles(list, "d", {"x.nmea"});
    CountingOptions options;
    RecordingMessages messages;
    RecordingConverters converters;
    converters.failingPaths.push_back(test::joined("d", "x.nmea"));
    runBatch(ConversionKind::NmeaToAlmap, list, options, converters.table(), messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, test::joined("d", "x.nmea") + ": cannot read it");
}

}  // namespace
}  // namespace morlindo
