#include "cli/morlindo_app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <tuple>

#ifdef __linux__
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "cli/command_line.h"
#include "cli/input_files.h"
#include "cli/output_text.h"
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

// Runs a test inside a folder, so that paths are named as users name them.
struct InFolder {
    explicit InFolder(const std::filesystem::path& folder) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(was); }
    std::filesystem::path was = std::filesystem::current_path();
};

CliRun morlindo(std::vector<std::string> arguments) {
    std::ostringstream out, err;
    const int status = runMorlindo(arguments, out, err);
    return {status, out.str(), err.str()};
}

TEST(Morlindo, ConvertsEveryPairWithItsOptions) {
    using test::crlfLines;
    const std::string& gga = test::kGga;
    const std::string& rmc = test::kRmc;
    const std::string track =
        crlfLines({"OziExplorer Track Point File Version 2.1", "WGS 84", "Altitude is in feet",
                   "reserved 3", "0,2,255,t,1,0,0,255", "0", "37.5000000,127.2500000, 0 ,0123",
                   " -33.5 , -70.25 , 0 ,-777 , 38299.6458333333 ,08-Nov-04,15:30:00"});
    const std::string gpx =
        readFile(std::filesystem::path(MORLINDO_TEST_DATA_DIR) / "gpx/almap.gpx");
    const std::string gpxHead = gpx.substr(0, gpx.find("<name>") + 6);
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
                    "R, 0 ,Walk1,up then down, 16711680 ",
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
                    "R, 0 ,\xBB\xEA\xC3\xA5,\xBB\xEA"
                    "a, 255 ",
                    "W, 0 , 1 , 1 ,, 37.5 , 127.25 ,, 0 , 1 , 3 , 255 , 16777215 , 0 , 0 "})},
        {{"--to", "alr"}, "t.plt", track, "t.alr", almapFile({{127.25, 37.5}, {-70.25, -33.5}})},
        {{"--to", "plt", "--line-width", "1", "--track-type", "polygon", "--color", "#0000ff",
          "--time-zone", "-12"},
         "log.nmea",
         crlfLines({gga, rmc}),
         "log.plt",
         crlfLines({"OziExplorer Track Point File Version 2.1", "WGS 84", "Altitude is in feet",
                    "reserved 3", "0,1,16711680,log,1,10,0,16711680", "1",
                    "48.1173017,11.5166667, 0 ,1789,34416.024525,1994/03/23,00:35:19"})},
        // The time zone also turns a track's local times into GPX's UTC.
        {{"--to", "gpx", "--time-zone", "0"},
         "t.PLT",
         track,
         "t.gpx",
         gpxHead + "t</name>\n    <trkseg>\n" +
             "      <trkpt lat=\"37.5\" lon=\"127.25\"><ele>37.4904</ele></trkpt>\n"
             "      <trkpt lat=\"-33.5\" lon=\"-70.25\"><time>2004-11-08T15:30:00Z</time></trkpt>\n"
             "    </trkseg>\n  </trk>\n</gpx>\n"},
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
    writeFile(bad, test::crlfLines({"1", "WGS 84", "3", "4", "5", "0", "1,2", "3,4", "abc,127"}));
    writeFile(dir / "bad.alr", "older");
    writeFile(good, test::crlfLines({"1", "WGS 84", "3", "4", "5", "1", "37.5,127.25"}));
    const CliRun run = morlindo({"--to", "alr", bad, good});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "morlindo: " + bad + ":9: latitude \"abc\" is not a number\n");
    EXPECT_EQ(run.out, good + " -> " + (dir / "good.alr").string() + " (1 point)\n");
    EXPECT_EQ(readFile(dir / "bad.alr"), "older");
    EXPECT_EQ(readFile(dir / "good.alr"), almapFile({{127.25, 37.5}}));
    EXPECT_EQ(dir.entries(),
              (std::vector<std::string>{"bad.alr", "bad.plt", "good.alr", "good.plt"}));
}

// A folder stands for its files of the kinds that convert, in name order,
// without hidden entries and links to folders; -r takes subfolders, kept
// below -o; -n leaves outputs that exist alone; a file named twice is
// converted once.
TEST(Morlindo, TakesTheFilesOfFolders) {
    const std::string track = test::crlfLines({"1", "WGS 84", "3", "4", "5", "1", "37.5,127.25"});
    const std::string log = test::crlfLines({test::kGga, test::kRmc});
    const std::tuple<std::vector<std::string>, std::string, std::string> cases[] = {
        {{"--to", "plt", "logs"},
         "logs/b.alr -> logs/b.plt (1 point)\nlogs/c.nmea -> logs/c.plt (1 point)\n",
         ""},
        {{"--to", "alr", "-r", "-o", "out", "logs"},
         "logs/a.plt -> out/a.alr (1 point)\nlogs/c.nmea -> out/c.alr (1 point)\n"
         "logs/sub/d.plt -> out/sub/d.alr (1 point)\nlogs/sub/e.nmea -> out/sub/e.alr (1 point)\n",
         ""},
        {{"--to", "plt", "--from", "alr", "-r", "-n", "logs"},
         "logs/b.alr -> logs/b.plt (1 point)\n"
         "logs/sub/d.alr -> logs/sub/d.plt (skipped: the output exists)\n",
         ""},
        {{"--to", "rte", "logs/sub", "logs/sub/d.alr", "logs/empty"},
         "logs/sub/d.alr -> logs/sub/d.rte (1 point)\n",
         "morlindo: logs/empty: no file that converts to rte in this folder\n"},
    };
    const auto native = [](std::string text) {
        std::replace(text.begin(), text.end(), '/',
                     static_cast<char>(std::filesystem::path::preferred_separator));
        return text;
    };
    for (const auto& [arguments, out, err] : cases) {
        TempDir dir;
        for (const char* folder : {"logs/sub", "logs/.hidden", "logs/empty"})
            std::filesystem::create_directories(dir / folder);
        for (const char* name :
             {"logs/b.alr", "logs/.b.alr", "logs/.hidden/f.alr", "logs/sub/d.alr"})
            writeFile(dir / name, almapFile({{127.25, 37.5}}));
        for (const char* name : {"logs/a.plt", "logs/sub/d.plt"}) writeFile(dir / name, track);
        for (const char* name : {"logs/c.nmea", "logs/sub/e.nmea"}) writeFile(dir / name, log);
        writeFile(dir / "logs/notes.txt", "x");
        std::error_code ignored;  // where links cannot be made, there is nothing to pass over
        std::filesystem::create_directory_symlink("sub", dir / "logs/link", ignored);
        const InFolder in(dir.path());
        std::vector<std::string> named;
        std::transform(arguments.begin(), arguments.end(), std::back_inserter(named), native);
        const CliRun run = morlindo(named);
        EXPECT_EQ(run.status, err.empty() ? 0 : 1);
        EXPECT_EQ(run.out, native(out)) << arguments[1];
        EXPECT_EQ(run.err, native(err));
        EXPECT_EQ(readFile(dir / "logs/sub/d.plt"), track);
    }
}

#ifndef _WIN32
// Names that are not valid UTF-8 still give valid JSON: each stray byte
// becomes U+FFFD.
// A text that loses its commas or control characters is named once; a file
// whose texts lost characters to the code page, once per file; -q says
// neither.
TEST(Morlindo, SaysWhichTextsItChangedAndWhichFilesLostCharacters) {
    TempDir dir;
    writeFile(dir / "a.alr", almapFile({{127.25, 37.5}}));
    writeFile(dir / "b.alr", almapFile({{127.25, 37.5}}));
    const std::vector<std::string> arguments = {"--to",
                                                "rte",
                                                "--encoding",
                                                "ASCII",
                                                "--route-name",
                                                "A,B",
                                                "--route-description",
                                                "산,\n",
                                                (dir / "a.alr").string(),
                                                (dir / "b.alr").string()};
    const CliRun run = morlindo(arguments);
    EXPECT_EQ(run.status, 0);
    const std::string fits =
        ": the texts of OziExplorer files hold no commas or control characters";
    EXPECT_EQ(run.err, "morlindo: --route-name \"A,B\" is written as \"AB\"" + fits +
                           "\nmorlindo: --route-description \"산,\\n\" is written as \"산 \"" +
                           fits + "\nmorlindo: " + (dir / "a.rte").string() +
                           ": characters that ASCII lacks were written as \"?\"\nmorlindo: " +
                           (dir / "b.rte").string() +
                           ": characters that ASCII lacks were written as \"?\"\n");
    EXPECT_NE(readFile(dir / "b.rte").find("\r\nR, 0 ,AB,? , 255 \r\n"), std::string::npos);
    std::vector<std::string> quiet = arguments;
    quiet.insert(quiet.begin(), "-q");
    EXPECT_EQ(morlindo(quiet).err, "");
}

TEST(Morlindo, PrintsOneJsonObjectPerFileForScripts) {
    TempDir dir;
    const InFolder in(dir.path());
    writeFile("q\"산\\\t\xff.alr", almapFile({{127.0, 37.5}}));
    writeFile("old.alr", almapFile({{127.0, 37.5}}));
    writeFile("old.plt", "older");
    const CliRun run =
        morlindo({"--json", "-n", "--to", "plt", "q\"산\\\t\xff.alr", "old.alr", "gone.alr"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              R"({"input":"q\"산\\\u0009\ufffd.alr","output":"q\"산\\\u0009\ufffd.plt",)"
              R"("points":1,"status":"converted","error":null,"dropped":null}
{"input":"old.alr","output":"old.plt","points":0,"status":"skipped","error":null,"dropped":null}
{"input":"gone.alr","output":"gone.plt","points":0,"status":"failed",)"
              R"("error":"gone.alr: cannot open it: No such file or directory","dropped":null}
)");
}
#endif

// What the output cannot hold is said once per file: a line on the error
// stream, or the JSON field.
TEST(Morlindo, SaysWhatAnOutputDropped) {
    TempDir dir;
    const InFolder in(dir.path());
    writeFile("w.gpx", R"(<gpx><wpt lat="1" lon="2"/><trk><name>A</name><trkseg>)"
                       R"(<trkpt lat="1" lon="2"/></trkseg><trkseg><trkpt lat="1" lon="3"/>)"
                       R"(</trkseg></trk></gpx>)");
    const CliRun run = morlindo({"--to", "alr", "w.gpx"});
    EXPECT_EQ(run.out, "w.gpx -> w.alr (2 points)\n");
    EXPECT_EQ(run.err,
              "morlindo: w.gpx: w.alr cannot hold everything; dropped: tracks joined, "
              "1 waypoint, names\n");
    EXPECT_EQ(morlindo({"-q", "--to", "alr", "w.gpx"}).err, "");
    EXPECT_NE(morlindo({"--json", "--to", "alr", "w.gpx"})
                  .out.find(R"("dropped":"tracks joined, 1 waypoint, names"})"),
              std::string::npos);
}

#ifdef __linux__
// The real program on a pseudo-terminal: each result line is printed on a
// cleared progress line, and the next file's progress follows it.
TEST(Morlindo, ShowsProgressOnARealTerminal) {
    TempDir dir;
    const InFolder in(dir.path());
    writeFile("a.alr", almapFile({{127.0, 37.5}}));
    writeFile("b.alr", almapFile({{127.0, 37.5}}));
    int terminal = -1;
    const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(execl(MORLINDO_EXECUTABLE, "morlindo", "--to", "plt", "a.alr", "b.alr", nullptr));
    std::string screen;
    char buffer[4096];
    for (ssize_t got; (got = read(terminal, buffer, sizeof buffer)) > 0;)
        screen.append(buffer, got);
    int status = -1;
    waitpid(child, &status, 0);
    close(terminal);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(screen.find("\r0/2 done  a.alr\r"), 0u) << screen;
    EXPECT_NE(screen.find(" \ra.alr -> a.plt (1 point)\r\n\r1/2 done  b.alr\r"), std::string::npos);
    EXPECT_NE(screen.find(" (1 point)\r\n2 converted, 0 skipped, 0 failed, 2 points written in "),
              std::string::npos)
        << screen;
}
#endif

// Windows shells leave "*" and "?" to the program, which matches them as
// Windows compares names.
TEST(MatchesWildcard, TakesAnyCharactersAndOneInAnyLetterCase) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"*.alr", "WALK.ALR", true},       {"*.alr", "walk.alr.plt", false},
        {"w?lk.*", "walk.2004.alr", true}, {"w?lk.alr", "wlk.alr", false},
        {"*a*b", "xaxab", true},           {"*a*b", "xaxabc", false},
    };
    for (const auto& [pattern, name, matches] : cases) {
        EXPECT_EQ(matchesWildcard(pattern, name), matches) << pattern << " " << name;
    }
}

// A log that gives no point is no success: it says so, and its empty result
// never replaces an older output. A log without a date, or whose every
// checksum is wrong, fails until the option that reads it is given.
TEST(Morlindo, TellsWhatALogWithoutFixesHeld) {
    TempDir dir;
    const InFolder in(dir.path());
    const std::string fix = test::nmeaSentence("GPGGA,100000,3733.9900,N,12658.6800,E,1,08,0.9,5,M,,M,,");
    std::string badFix = fix;
    badFix[badFix.size() - 1] ^= 1;
    writeFile("none.nmea", test::crlfLines({"$GPGSV,1,1,00*79", test::kGga.substr(0, 20) + "*00",
                                            "$GPGGA,100000,,,,,0,00,,,M,,M,,*67"}));
    writeFile("undated.nmea", test::crlfLines({fix}));
    writeFile("bad.nmea", test::crlfLines({badFix, badFix}));
    writeFile("kept.nmea", test::crlfLines({"$GPGGA,100000,,,,,0,00,,,M,,M,,*67"}));
    writeFile("kept.alr", almapFile({{127.0, 37.5}}));
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string out, err;
    } cases[] = {
        {{"--json", "--to", "alr", "none.nmea"}, 1,
         R"j({"input":"none.nmea","output":"none.alr","points":0,"status":"empty",)j"
         R"j("error":"none.nmea: no fixes in 3 lines (1 bad checksums, 1 without a fix)",)j"
         R"j("dropped":null})j" "\n",
         ""},
        {{"--to", "alr", "kept.nmea"}, 1, "",
         "morlindo: kept.nmea: no fixes in 1 lines (0 bad checksums, 1 without a fix); the older "
         "kept.alr was left as it was\n"},
        {{"--to", "plt", "undated.nmea"}, 1, "",
         "morlindo: undated.nmea:1: the log has no date (no RMC or ZDA sentence); give the date "
         "with --date\n"},
        {{"--to", "plt", "--date", "2024-06-01", "undated.nmea"}, 0,
         "undated.nmea -> undated.plt (1 point)\n", ""},
        {{"--to", "alr", "bad.nmea"}, 1, "",
         "morlindo: bad.nmea: every sentence has a wrong checksum (2 sentences); "
         "--ignore-checksums reads them anyway\n"},
        {{"--to", "alr", "--ignore-checksums", "bad.nmea"}, 0, "bad.nmea -> bad.alr (2 points)\n", ""},
    };
    for (const auto& c : cases) {
        const CliRun run = morlindo(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.back();
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, c.err);
    }
    EXPECT_EQ(readFile("none.alr"), test::kAlmapSignature);
    EXPECT_EQ(readFile("kept.alr"), almapFile({{127.0, 37.5}}));
    EXPECT_EQ(readFile("undated.plt").substr(readFile("undated.plt").rfind(',') - 10),
              "2024/06/01,19:00:00\r\n");
}

TEST(Morlindo, RejectsWrongCommandLinesBeforeConverting) {
    TempDir dir;
    const auto track = (dir / "t.alr").string();
    writeFile(track, almapFile({{1, 2}}));
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{track}, "say what to convert to with --to"},
        {{"--to", "plt"}, "name at least one file"},
        {{"--to", "xyz", track}, "--to takes alr, plt, rte, wpt or gpx"},
        {{"--to", "rte", (dir / "t.plt").string()}, "cannot convert plt to rte"},
        {{"--to", "plt", (dir / "t.txt").string()},
         "cannot tell what kind of file " + (dir / "t.txt").string() +
             " is: it reads .alr, .plt, .rte, .wpt, .nmea and .gpx"},
        {{"--to", "plt", "--from", "wpt", track}, "cannot convert wpt to plt"},
        {{"--to", "rte", (dir / "t.nmea").string()},
         "alr converts to plt, rte, wpt or gpx, plt to alr or gpx, rte to gpx, wpt to gpx, nmea to "
         "alr, plt or gpx, gpx to alr, plt, rte or wpt"},
        {{"--to", "plt", "--color", "#12345", track}, "--color takes #RRGGBB"},
        {{"--to", "rte", "--route-name", "ABCDEFGHI", track}, "at most 8 characters"},
        {{"--to", "plt", "--time-zone", "14", track}, "whole hours from -12 to 13"},
        {{"--to", "plt", "--now", "2004-02-30T00:00:00", track}, "--now takes a local time"},
        {{"--to", "plt", "--date", "2004-02-30", track}, "--date takes a date as YYYY-MM-DD"},
        {{"--to", "rte", "--encoding", "NO-SUCH-CODE-PAGE", track}, "--encoding takes the name"},
        {{"--to", "gpx", track, (dir / "t.plt").string()},
         track + " and " + (dir / "t.plt").string() + " would both be written to " +
             (dir / "t.gpx").string()},
        {{"--to", "plt", "-o", (dir / "out").string(), track, (dir / "b" / "t.alr").string()},
         "t.alr would both be written to " + (dir / "out" / "t.plt").string()},
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
    EXPECT_NE(help.out.find(
                  "Usage: morlindo --to {alr|plt|rte|wpt|gpx} [--from {alr|plt|rte|wpt|nmea|gpx}]"),
              std::string::npos);
    EXPECT_NE(help.out.find("  alr   AlMap track             -> plt, rte, wpt, gpx\n"),
              std::string::npos)
        << help.out;
}

// Without converting: a block per file, or a JSON line; a file that cannot
// be read fails with the usual message.
TEST(Morlindo, InfoTellsWhatEachFileHolds) {
    TempDir dir;
    writeFile(dir / "walk.alr", almapFile({{127.0, 37.0}, {127.0, 38.0}}));
    const auto walk = (dir / "walk.alr").string();
    const CliRun block = morlindo({"info", walk});
    EXPECT_EQ(block.status, 0);
    EXPECT_NE(block.out.find("  points:    2\n  length:    111.195 km\n"), std::string::npos)
        << block.out;
    const CliRun json = morlindo({"info", "--json", walk, (dir / "gone.plt").string()});
    EXPECT_EQ(json.status, 1);
    EXPECT_TRUE(json.out.starts_with("{\"file\":\"")) << json.out;
    EXPECT_NE(json.out.find("walk.alr\",\"kind\":\"alr\",\"points\":2,\"lengthKm\":111.195,"),
              std::string::npos)
        << json.out;
    EXPECT_EQ(json.err, "");
    EXPECT_NE(
        json.out.find("}\n{\"file\":" + jsonString((dir / "gone.plt").string()) + ",\"error\":" +
                      jsonString((dir / "gone.plt").string() +
                                 ": cannot open it: No such file or directory") +
                      "}\n"),
        std::string::npos)
        << json.out;
    const CliRun unknown = morlindo({"info", (dir / "a\nb.txt").string()});
    EXPECT_EQ(unknown.err, "morlindo: " + (dir / "a\\nb.txt").string() +
                               ": cannot tell what kind of file it is: it reads .alr, .plt, .rte, "
                               ".wpt, .nmea and .gpx\n");
}

}  // namespace
}  // namespace morlindo::cli
