#include "io/output_file.h"

#include <gtest/gtest.h>

#include "io/error.h"
#include "support/test_files.h"

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
