#include "cli/morlindo_app.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/command_line.h"
#include "io/error.h"
#include "io/system_text.h"
#include "support/test_files.h"

namespace morlindo::cli {
namespace {

using test::almapFile;
using test::readFile;
using test::TempDir;
using test::writeFile;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun morlindo(std::vector<std::string> arguments) {
    std::ostringstream out, err;
    const int status = runMorlindo(arguments, out, err);
    return {status, out.str(), err.str()};
}

TEST(Morlindo, ConvertsWithAFixedTimeExactlyAsTheWorkedExample) {
    TempDir dir;
    const auto walk = (dir / "walk.alr").string();
    writeFile(walk, almapFile({{127.0, 37.5}, {127.1234567, 37.7654321}}));
    const CliRun run = morlindo({"--to", "plt", "--now", "2004-11-08T15:30:00", walk});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, walk + " -> " + (dir / "walk.plt").string() + " (2 points)\n");
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(readFile(dir / "walk.plt")
                    .ends_with(" 37.765432 , 127.123457 , 0 ,-777 , 38299.6458333333 "
                               ",08-Nov-04,15:30:00\r\n"));
    // Quiet, with the values joined to their options.
    const CliRun quiet = morlindo({"-q", "--to=plt", "--now=2004-11-08T15:30:00", walk});
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.out, "");
}

// Arguments arrive as UTF-8 on every system: a Hangul file name converts, is
// reported as given, and becomes the track name in the system's code page.
TEST(Morlindo, TakesFileNamesInUtf8) {
    TempDir dir;
    const auto folder = displayPath(dir.path()) + "/산책 길";
    std::filesystem::create_directory(pathFromUtf8(folder));
    writeFile(pathFromUtf8(folder + "/산책.alr"), almapFile({{127.0, 37.5}}));
    const CliRun run = morlindo({"--to", "plt", folder + "/산책.alr"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("/산책.alr -> "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("/산책.plt (1 point)"), std::string::npos) << run.out;
    EXPECT_NE(readFile(pathFromUtf8(folder + "/산책.plt"))
                  .find("\r\n0,2,255," + systemTextFromUtf8("산책") + ",1,0,0,255\r\n"),
              std::string::npos);
}

TEST(ParseCommandLine, KeepsTextsForTheFilesInUtf8AndCountsCharacters) {
    const Request request = parseCommandLine(
        {"--to", "rte", "--route-name", "산책산책산책산책", "--prefix", "점", "산책.alr"});
    EXPECT_EQ(request.options.route.routeName, "산책산책산책산책");
    EXPECT_EQ(request.options.waypoints.namePrefix, "점");
    EXPECT_EQ(request.files, std::vector<std::filesystem::path>{pathFromUtf8("산책.alr")});
}

TEST(Morlindo, ConvertsEveryPairWithItsOptions) {
    using test::crlfLines;
    const std::string& gga = test::kGga;
    const std::string& rmc = test::kRmc;
    const std::string track =
        crlfLines({"OziExplorer Track Point File Version 2.1", "WGS 84", "Altitude is in feet",
                   "reserved 3", "0,2,255,t,1,0,0,255", "0", "37.5000000,127.2500000, 0 ,0123",
                   " -33.5 , -70.25 , 0 ,-777 , 38299.6458333333 ,08-Nov-04,15:30:00"});
    struct Case {
        std::vector<std::string> options;
        std::string input;
        std::string content;
        std::string output;
        std::string expected;
    };
    const Case cases[] = {
        {{"--to", "rte", "--route-name", "Walk,1", "--route-description", "up, then down",
          "--color", "blue", "--waypoint-color", "#00ff00", "--waypoint-background", "black"},
         "w.alr",
         almapFile({{127.25, 37.5}, {-70.25, -33.5}}),
         "w.rte",
         crlfLines({"OziExplorer Route File Version 1.0", "WGS 84", "reserved 1", "reserved 2",
                    "R, 0 ,Walk,1,up, then down, 16711680 ",
                    "W, 0 , 1 , 1 ,, 37.5 , 127.25 ,, 0 , 1 , 3 , 65280 , 0 , 0 , 0 ",
                    "W, 0 , 2 , 2 ,,-33.5 ,-70.25 ,, 0 , 1 , 3 , 65280 , 0 , 0 , 0 "})},
        {{"--to", "wpt", "--prefix", "PT", "--waypoint-color", "yellow", "--waypoint-background",
          "#FF0000"},
         "w.ALR",
         almapFile({{127.25, 37.5}}),
         "w.wpt",
         crlfLines({"OziExplorer Waypoint File Version 1.1", "WGS 84", "reserved 2", "garmin",
                    " 1 ,PT001, 37.5 , 127.25 ,,, 1 ,, 65535 , 255 ,,,,,-777 "})},
        {{"--to", "rte", "--encoding", "CP949", "--route-name", "산책", "--route-description",
          "산a"},
         "w.alr",
         almapFile({{127.25, 37.5}}),
         "w.rte",
         crlfLines({"OziExplorer Route File Version 1.0", "WGS 84", "reserved 1", "reserved 2",
                    "R, 0 ,\xBB\xEA\xC3\xA5,\xBB\xEA""a, 255 ",
                    "W, 0 , 1 , 1 ,, 37.5 , 127.25 ,, 0 , 1 , 3 , 255 , 16777215 , 0 , 0 "})},
        {{"--to", "alr"}, "t.plt", track, "t.alr", almapFile({{127.25, 37.5}, {-70.25, -33.5}})},
        {{"--to", "alr", "--from", "nmea"},
         "log.txt",
         crlfLines({gga, rmc, gga}),
         "log.alr",
         almapFile({{11 + 31.0 / 60, 48 + 7.0381 / 60}, {11 + 31.0 / 60, 48 + 7.0381 / 60}})},
        {{"--to", "plt", "--line-width", "1", "--track-type", "polygon", "--color", "#0000ff",
          "--time-zone", "-12"},
         "log.nmea",
         crlfLines({gga, rmc}),
         "log.plt",
         crlfLines({"OziExplorer Track Point File Version 2.1", "WGS 84", "Altitude is in feet",
                    "reserved 3", "0,1,16711680,log,1,10,0,16711680", "1",
                    "48.1173017,11.5166667, 0 ,1789,34416.024525,1994/03/23,00:35:19"})},
    };
    for (const auto& c : cases) {
        TempDir dir;
        writeFile(dir / c.input, c.content);
        std::vector<std::string> arguments = c.options;
        arguments.push_back((dir / c.input).string());
        const CliRun run = morlindo(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.find((dir / c.input).string() + " -> " + (dir / c.output).string()), 0u)
            << run.out;
        EXPECT_EQ(readFile(dir / c.output), c.expected) << c.output;
    }
}

TEST(Morlindo, RefusesToWriteOverItsInput) {
    TempDir dir;
    const auto log = (dir / "log.plt").string();
    const std::string content = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,,M,,*47\r\n";
    writeFile(log, content);
    const CliRun run = morlindo({"--from", "nmea", "--to", "plt", log});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "morlindo: " + log +
                           ": the output would replace this input file; rename the input first\n");
    EXPECT_EQ(readFile(log), content);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"log.plt"});
}

TEST(Morlindo, NamesTheLineOfAMalformedTrackAndGoesOn) {
    TempDir dir;
    const auto bad = (dir / "bad.plt").string();
    const auto good = (dir / "good.plt").string();
    writeFile(bad, test::crlfLines({"1", "2", "3", "4", "5", "0", "1,2", "3,4", "abc,127"}));
    writeFile(dir / "bad.alr", "older");
    writeFile(good, test::crlfLines({"1", "2", "3", "4", "5", "1", "37.5,127.25"}));
    const CliRun run = morlindo({"--to", "alr", bad, good});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "morlindo: " + bad + ":9: latitude \"abc\" is not a number\n");
    EXPECT_EQ(run.out, good + " -> " + (dir / "good.alr").string() + " (1 point)\n");
    EXPECT_EQ(readFile(dir / "bad.alr"), "older");
    EXPECT_EQ(readFile(dir / "good.alr"), almapFile({{127.25, 37.5}}));
    EXPECT_EQ(dir.entries(),
              (std::vector<std::string>{"bad.alr", "bad.plt", "good.alr", "good.plt"}));
}

TEST(Morlindo, RejectsWrongCommandLinesBeforeConverting) {
    TempDir dir;
    const auto track = (dir / "t.alr").string();
    writeFile(track, almapFile({{1, 2}}));
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{track}, "say what to convert to with --to"},
        {{"--to", "plt"}, "name at least one file"},
        {{"--to", "xyz", track}, "--to takes alr, plt, rte or wpt"},
        {{"--to", "rte", (dir / "t.plt").string()}, "cannot convert plt to rte"},
        {{"--to", "plt", (dir / "t.txt").string()}, "cannot tell what kind of file"},
        {{"--to", "plt", "--from", "wpt", track}, "--from takes alr, plt or nmea"},
        {{"--to", "rte", (dir / "t.nmea").string()},
         "alr converts to plt, rte or wpt, plt to alr, nmea to alr or plt"},
        {{"--to", "plt", "--bogus", track}, "unknown option --bogus"},
        {{"--to", "plt", "--color", "#12345", track}, "--color takes #RRGGBB"},
        {{"--to", "rte", "--route-name", "ABCDEFGHI", track}, "at most 8 characters"},
        {{"--to", "wpt", "--prefix", "ABCDEFGH", track}, "at most 7 characters"},
        {{"--to", "plt", "--time-zone", "14", track}, "whole hours from -12 to 13"},
        {{"--to", "plt", "--now", "2004-02-30T00:00:00", track}, "--now takes a local time"},
        {{"--to", "plt", "--line-width", "3", track}, "--line-width takes 1 or 2"},
        {{"--to", "rte", "--encoding", "NO-SUCH-CODE-PAGE", track}, "--encoding takes the name"},
        {{"--to", "plt", "--track-type"}, "--track-type needs a value"},
    };
    for (const auto& [arguments, message] : cases) {
        const CliRun run = morlindo(arguments);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"t.alr"});
}

TEST(Morlindo, AnswersHelpAndVersion) {
    EXPECT_EQ(morlindo({"--version"}).out, "morlindo 1.1.1\n");
    const CliRun help = morlindo({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: morlindo --to {alr|plt|rte|wpt} [--from {alr|plt|nmea}]"),
              std::string::npos);
    EXPECT_NE(help.out.find("  alr   AlMap track             -> plt, rte, wpt\n"),
              std::string::npos)
        << help.out;
}

TEST(ParseColor, TakesHexAndNames) {
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"#FF0000", 255},
        {"#0000ff", 16711680},
        {"blue", 16711680},
        {"White", 16777215},
        {"black", 0},
        {"#102030", 0x302010},
        {"yellow", 65535},
        {"#GG0000", std::nullopt},
        {"FF0000", std::nullopt},
        {"purple", std::nullopt},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(parseColor(text), value) << text;
}

}  // namespace
}  // namespace morlindo::cli
