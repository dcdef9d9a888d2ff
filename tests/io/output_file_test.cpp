#include "io/output_file.h"

#include <gtest/gtest.h>

#include "io/error.h"
#include "support/test_files.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace morlindo {
namespace {

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

TEST(OutputFile, LeavesNothingBehindWhenNotCommitted) {
    TempDir dir;
    writeFile(dir / "out.plt", "older");
    {
        OutputFile output(dir / "out.plt");
        output.write(std::string(600000, 'x'));
    }
    EXPECT_EQ(readFile(dir / "out.plt"), "older");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.plt"});
    { OutputFile unused(dir / "new.plt"); }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.plt"});
}

void expectCreateError(const std::filesystem::path& target, const std::string& reason) {
    try {
        OutputFile output(target);
        output.commit();
        ADD_FAILURE() << "no error for " << target;
    } catch (const Error& error) {
        EXPECT_EQ(error.path(), target);
        EXPECT_NE(std::string(error.what()).find(reason), std::string::npos) << error.what();
    }
}

TEST(OutputFile, ReportsTargetsThatCannotBeWritten) {
    TempDir dir;
    expectCreateError(dir / "missing" / "out.plt", "cannot create it");
    std::filesystem::create_directory(dir / "taken.plt");
    expectCreateError(dir / "taken.plt", "a folder of that name is in the way");
#ifndef _WIN32
    if (geteuid() != 0) {  // permissions do not stop root
        std::filesystem::create_directory(dir / "locked");
        std::filesystem::permissions(dir / "locked", std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::owner_exec);
        expectCreateError(dir / "locked" / "out.plt", "Permission denied");
    }
#endif
}

TEST(EnsureOutputIsNotInput, RefusesTheSameFile) {
    TempDir dir;
    writeFile(dir / "log.plt", "x");
    EXPECT_THROW(ensureOutputIsNotInput(dir / "log.plt", dir / "log.plt"), Error);
    EXPECT_THROW(ensureOutputIsNotInput(dir / "log.plt", dir / "." / "log.plt"), Error);
    EXPECT_THROW(ensureOutputIsNotInput(dir / "gone.plt", dir / "gone.plt"), Error);
    EXPECT_NO_THROW(ensureOutputIsNotInput(dir / "log.plt", dir / "log.alr"));
}

}  // namespace
}  // namespace morlindo
