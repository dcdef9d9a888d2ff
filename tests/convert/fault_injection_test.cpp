// Every conversion through `morlindo` against the faults of the file system
// that users meet: inputs that are missing, not files, unreadable or shorter
// than they claim, and outputs that are write-protected, cannot be created
// or run out of room part-way. Each must end in one error that names the
// path, with no temporary file left and an older output untouched.
#include <gtest/gtest.h>

#include <cstdio>

#include <functional>
#include <map>
#include <sstream>
#include <utility>

#include "cli/morlindo_app.h"
#include "convert/conversions.h"
#include "io/error.h"
#include "support/test_files.h"

#ifdef __linux__
#include <pwd.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#endif

namespace morlindo {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::TempDir;
using test::writeFile;

// Every conversion of the table, with the names of its files.
struct Conversion {
    std::string name;
    ConversionKind kind;
    std::string input;
    std::string output;
    std::string target;  // morlindo --to
};

std::vector<Conversion> everyConversion() {
    std::vector<Conversion> all;
    for (const auto& row : conversions()) {
        const auto& source = fileKindInfo(row.sources.front());
        const auto& target = fileKindInfo(row.target);
        all.push_back({std::string(source.shortName) + "To" + std::string(target.shortName),
                       row.kind, "walk" + std::string(source.extension),
                       "walk" + std::string(target.extension), std::string(target.shortName)});
    }
    return all;
}

void PrintTo(const Conversion& conversion, std::ostream* out) { *out << conversion.name; }

// An input of the conversion's kind with the given number of points; 500 points
// make every output larger than 12 KiB.
std::string inputContent(ConversionKind kind, int points) {
    std::string content;
    switch (conversion(kind).sources.front()) {
        case FileKind::AlmapTrack: {
            std::vector<std::pair<double, double>> track;
            for (int i = 0; i < points; ++i) track.emplace_back(127 + i * 1e-4, 37.5 + i * 1e-4);
            return test::almapFile(track);
        }
        case FileKind::OziTrack:
            content = test::oziTrackHeader("walk", std::to_string(points));
            for (int i = 0; i < points; ++i) content += "37.5,127.25\r\n";
            return content;
        case FileKind::Gpx:
            content = "<gpx><trk><trkseg>\n";
            for (int i = 0; i < points; ++i) content += "<trkpt lat=\"37.5\" lon=\"127.25\"/>\n";
            return content + "</trkseg></trk></gpx>\n";
        default:
            for (int i = 0; i < points; ++i) {
                char time[8];
                std::snprintf(time, sizeof time, "%02d%02d%02d", i / 3600 % 24, i / 60 % 60, i % 60);
                content += "$GPGGA," + std::string(time) + ",3733.9900,N,12658.6800,E,,,,,,,,,\r\n";
                content += "$GPRMC," + std::string(time) + ",,,,,,,,010104,,\r\n";
            }
            return content;
    }
}

const std::string kOlderOutput = "an older output, which must stay as it is\r\n";

// Everything under a folder: the bytes of every file and the kind of every
// other entry, without following links.
using FolderState = std::map<std::string, std::string>;

FolderState folderState(const fs::path& folder) {
    FolderState state;
    for (auto it = fs::recursive_directory_iterator(folder); it != fs::end(it); ++it) {
        const auto name = it->path().lexically_relative(folder).string();
        const auto type = it->symlink_status().type();
        state[name] = type == fs::file_type::regular
                          ? readFile(it->path())
                          : "<entry of type " + std::to_string(static_cast<int>(type)) + ">";
    }
    return state;
}

class FaultInjection : public ::testing::TestWithParam<Conversion> {
protected:
    fs::path input() const { return folder_ / GetParam().input; }
    fs::path output() const { return folder_ / GetParam().output; }

    void writeInput(int points = 500) const {
        writeFile(input(), inputContent(GetParam().kind, points));
    }
    void writeOlderOutput() const { writeFile(output(), kOlderOutput); }

    // Runs `morlindo` on the input: it must fail with "PATH: REASON" and
    // leave every file as it was.
    void expectFailure(const fs::path& named, const std::string& reason) const {
        const auto before = folderState(dir_.path());
        std::ostringstream out, err;
        const int status = cli::runMorlindo(
            {"--to", GetParam().target, "--now", "2004-11-08T15:30:00", input().string()}, out,
            err);
        EXPECT_EQ(status, 1);
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str(), "morlindo: " + displayPath(named) + ": " + reason + "\n");
        EXPECT_TRUE(folderState(dir_.path()) == before) << "a file changed after morlindo";
    }

    TempDir dir_;
    fs::path folder_ = dir_.path();
};

// An input that cannot be read as a file fails before any output is begun.
TEST_P(FaultInjection, InputThatIsNoReadableFile) {
    std::vector<std::pair<std::function<void()>, std::string>> cases = {
        {[] {}, "cannot open it: No such file or directory"},
        {[&] {
             fs::create_directory(input());
             writeFile(input() / "inside", "x");
         },
         // morlindo takes a folder for the files in it
         "no file that converts to " + GetParam().target + " in this folder"},
#ifdef __linux__
        {[&] { mkfifo(input().c_str(), 0644); }, "cannot open it: it is not a regular file"},
        {[&] { fs::create_symlink(GetParam().input, input()); },
         "cannot open it: Too many levels of symbolic links"},
#endif
    };
#ifdef __linux__
    // A file of the kernel's /sys tells a length of 4096 bytes and holds a
    // few: to a reader exactly a file that shrank after it was opened. (Under
    // Wine the path reaches the same file, but no link to it can be made.)
    const fs::path shrunk = "/sys/devices/system/cpu/online";
    std::error_code status;
    if (fs::file_size(shrunk, status) > readFile(shrunk).size() && !status) {
        cases.emplace_back([&] { fs::create_symlink(shrunk, input()); },
                           "the file ended early; was it changed while it was being read?");
    }
#endif
    for (const auto& [makeInput, reason] : cases) {
        fs::remove_all(input());
        makeInput();
        writeOlderOutput();
        expectFailure(input(), reason);
    }
}

TEST_P(FaultInjection, TargetTakenByAFolder) {
    writeInput();
    fs::create_directory(output());
    writeFile(output() / "kept", kOlderOutput);
    expectFailure(output(), "cannot write it: a folder of that name is in the way");
}

#ifdef __linux__

// Root may write any file: the test then acts as "nobody", by the effective
// user and group alone, so that root comes back after it.
class NormalUser {
public:
    NormalUser() {
        const passwd* nobody = getpwnam("nobody");
        if (geteuid() == 0 && nobody != nullptr) {
            acting_ = setegid(nobody->pw_gid) == 0 && seteuid(nobody->pw_uid) == 0;
        }
    }
    ~NormalUser() {
        if (seteuid(user_) != 0 || setegid(group_) != 0) std::abort();
    }
    // False for root that could not act as another user.
    bool isNormal() const { return acting_ || user_ != 0; }

private:
    uid_t user_ = geteuid();
    gid_t group_ = getegid();
    bool acting_ = false;
};

// In a folder where anyone may create files, a target the user may not write
// is not replaced.
TEST_P(FaultInjection, TargetWriteProtected) {
    writeInput();
    writeOlderOutput();
    fs::permissions(output(),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(folder_, fs::perms::all);
    const NormalUser user;
    if (!user.isNormal()) GTEST_SKIP() << "root, and cannot act as the user \"nobody\"";
    expectFailure(output(), "the file is write-protected");
}

TEST_P(FaultInjection, InputUnreadable) {
    writeInput();
    fs::permissions(input(), fs::perms::none);
    writeOlderOutput();
    const NormalUser user;
    if (!user.isNormal()) GTEST_SKIP() << "root, and cannot act as the user \"nobody\"";
    expectFailure(input(), "cannot open it: Permission denied");
}

// Permissions stop anyone but root; root meets a read-only file system.
class TmpfsMount {
public:
    TmpfsMount(fs::path folder, const std::string& options) : folder_(std::move(folder)) {
        fs::create_directory(folder_);
        mounted_ = mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~TmpfsMount() {
        if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool mounted() const { return mounted_; }
    bool makeReadOnly() const {
        return mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    fs::path folder_;
    bool mounted_ = false;
};

TEST_P(FaultInjection, FolderReadOnly) {
    folder_ = dir_ / "folder";
    if (geteuid() != 0) {
        fs::create_directory(folder_);
        writeInput();
        writeOlderOutput();
        fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
        expectFailure(output(), "cannot create it: Permission denied");
        return;
    }
    const TmpfsMount mounted(folder_, "size=128k");
    if (!mounted.mounted()) GTEST_SKIP() << "root, but cannot mount a file system here";
    writeInput();
    writeOlderOutput();
    ASSERT_TRUE(mounted.makeReadOnly());
    expectFailure(output(), "cannot create it: Read-only file system");
}

// A small file system, filled up to 8 KiB before the conversion starts.
TEST_P(FaultInjection, DiskFillsPartWay) {
    folder_ = dir_ / "small";
    const TmpfsMount mounted(folder_, "size=128k");
    if (!mounted.mounted()) GTEST_SKIP() << "cannot mount a file system here (needs root)";
    writeInput();
    writeOlderOutput();
    const auto available = fs::space(folder_).available;
    ASSERT_GT(available, 8192u);
    writeFile(folder_ / "filler", std::string(available - 8192, 'f'));
    expectFailure(output(), "cannot write it: No space left on device");
}

#endif  // __linux__

INSTANTIATE_TEST_SUITE_P(EveryConversion, FaultInjection, ::testing::ValuesIn(everyConversion()),
                         [](const auto& info) { return info.param.name; });

#ifdef __linux__

// Runs an action on the input once its reading has got past a given point:
// a file changed by someone else while it is converted.
class ChangeWhileRead final : public ReadProgress {
public:
    ChangeWhileRead(std::uint64_t after, std::function<void()> change)
        : after_(after), change_(std::move(change)) {}
    void advanced(std::uint64_t bytesRead, std::uint64_t) override {
        if (bytesRead >= after_ && change_) std::exchange(change_, nullptr)();
    }

private:
    std::uint64_t after_;
    std::function<void()> change_;
};

// The conversion to an OziExplorer track counts the fixes of a log, then
// writes them in a second pass: a log changed between the passes (its
// length kept, its fixes gone) must fail, not write a count that lies.
TEST(ChangedInput, ALogWithFewerFixesInItsSecondPass) {
    TempDir dir;
    const std::string log = inputContent(ConversionKind::NmeaToOziTrack, 3000);
    writeFile(dir / "log.nmea", log);
    ChangeWhileRead blank(log.size(),
                          [&] { writeFile(dir / "log.nmea", std::string(log.size(), ' ')); });
    ConversionContext context = test::fixedContext();
    context.progress = &blank;
    try {
        convertFile(ConversionKind::NmeaToOziTrack, dir / "log.nmea", {}, context);
        ADD_FAILURE() << "the conversion did not fail";
    } catch (const Error& error) {
        EXPECT_EQ(error.reason(), "the log changed while it was being converted; convert it again");
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"log.nmea"});
}

#endif  // __linux__

}  // namespace
}  // namespace morlindo
