#include "io/output_file.h"

#include <gtest/gtest.h>

#include "io/error.h"
#include "support/test_files.h"

#ifdef _WIN32
#include <windows.h>
#endif
#ifdef __linux__
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <tuple>

// Every fsync of the process, by the name of what it synced, in place of the
// C library's; EIO instead when a test asks for it.
namespace {
std::vector<std::filesystem::path> syncedFiles;
bool failSyncs = false;
}  // namespace

extern "C" int fsync(int descriptor) {
    syncedFiles.push_back(
        std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(descriptor)));
    if (failSyncs) {
        errno = EIO;
        return -1;
    }
    return reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"))(descriptor);
}
#endif

namespace morlindo {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::TempDir;
using test::writeFile;

TEST(OutputFile, ReplacesTheTargetOnlyOnCommit) {
    TempDir dir;
    writeFile(dir / "out.plt", "older and longer contents");
    {
        OutputFile output(dir / "out.plt");
        output.writeLine("new");
        output.write(std::string(300000, 'x'));  // more than one buffer
        EXPECT_EQ(readFile(dir / "out.plt"), "older and longer contents");
        output.commit();
    }
    EXPECT_EQ(readFile(dir / "out.plt"), "new\r\n" + std::string(300000, 'x'));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.plt"});
}

#ifdef __linux__
TEST(OutputFile, IsOnTheDiskBeforeItReplacesTheTarget) {
    TempDir dir;
    syncedFiles.clear();
    OutputFile output(dir / "out.plt");
    output.write("new");
    output.commit();
    // The temporary file under its own name, before the rename; then the folder.
    const auto folder = fs::canonical(dir.path());
    ASSERT_EQ(syncedFiles.size(), 2u);
    EXPECT_EQ(syncedFiles[0].parent_path(), folder);
    EXPECT_TRUE(syncedFiles[0].filename().string().starts_with("out.plt.tmp")) << syncedFiles[0];
    EXPECT_EQ(syncedFiles[1], folder);
    failSyncs = true;
    OutputFile failing(dir / "out.plt");
    failing.write("newer");
    EXPECT_THROW(failing.commit(), Error);
    failSyncs = false;
    EXPECT_EQ(readFile(dir / "out.plt"), "new");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.plt"});
}

// A replaced file keeps its permissions, owner and group. A target that is a
// symbolic link stays one: the file its links lead to is replaced in its own
// folder, or created when it does not exist yet.
TEST(OutputFile, KeepsPermissionsAndLinks) {
    TempDir dir, elsewhere;
    const auto walk = elsewhere / "walk.plt";
    writeFile(walk, "older");
    fs::permissions(walk, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    if (geteuid() == 0) {  // a file of another user
        ASSERT_EQ(chown(walk.c_str(), 65534, 65534), 0);
    }
    struct stat before = {};
    struct stat after = {};
    stat(walk.c_str(), &before);
    fs::create_symlink(fs::relative(walk, dir.path()), dir / "link.plt");
    fs::create_symlink(elsewhere / "new.plt", dir / "dangling.plt");
    fs::create_symlink("loop.plt", dir / "loop.plt");
    for (const char* name : {"link.plt", "dangling.plt"}) {
        OutputFile output(dir / name);
        output.write(name);
        output.commit();
    }
    EXPECT_THROW(OutputFile(dir / "loop.plt"), Error);
    EXPECT_EQ(readFile(walk), "link.plt");
    EXPECT_EQ(readFile(elsewhere / "new.plt"), "dangling.plt");
    EXPECT_EQ(elsewhere.entries(), (std::vector<std::string>{"new.plt", "walk.plt"}));
    EXPECT_TRUE(fs::is_symlink(dir / "link.plt") && fs::is_symlink(dir / "dangling.plt"));
    EXPECT_EQ(dir.entries().size(), 3u);  // the links alone
    stat(walk.c_str(), &after);
    EXPECT_EQ(std::tie(after.st_mode, after.st_uid, after.st_gid),
              std::tie(before.st_mode, before.st_uid, before.st_gid));
}
#endif

#ifdef _WIN32
TEST(OutputFile, RefusesReadOnlyFilesAndKeepsAttributes) {
    TempDir dir;
    writeFile(dir / "locked.plt", "older");
    writeFile(dir / "hidden.plt", "older");
    SetFileAttributesW((dir / "locked.plt").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW((dir / "hidden.plt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_THROW(OutputFile(dir / "locked.plt"), Error);
    SetFileAttributesW((dir / "locked.plt").c_str(), FILE_ATTRIBUTE_NORMAL);
    OutputFile output(dir / "hidden.plt");
    output.write("new");
    output.commit();
    EXPECT_EQ(readFile(dir / "hidden.plt"), "new");
    EXPECT_NE(GetFileAttributesW((dir / "hidden.plt").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}
#endif

}  // namespace
}  // namespace morlindo
