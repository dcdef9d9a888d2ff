#include "io/native_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "io/error.h"
#include "io/input_file.h"
#include "io/system_text.h"
#include "support/test_files.h"

namespace morlindo {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

TEST(OpenNativeFile, CreatesOnlyNewFiles) {
    TempDir dir;
    writeFile(dir / "taken.plt", "older");
    errno = 0;
    EXPECT_EQ(openNativeFile(dir / "taken.plt", NativeMode::CreateExclusive), nullptr);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(readFile(dir / "taken.plt"), "older");

    std::FILE* created = openNativeFile(dir / "new.plt", NativeMode::CreateExclusive);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(std::fwrite("a\r\nb\n", 1, 5, created), 5u);
    std::fclose(created);
    EXPECT_EQ(readFile(dir / "new.plt"), "a\r\nb\n");  // binary: no line end is translated
}

}  // namespace
}  // namespace morlindo
