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

// Names outside ASCII (and outside any 8-bit code page) open and list under
// the same name on every system.
TEST(OpenNativeFile, HandlesNamesInAnyScript) {
    TempDir dir;
    for (const char* name : {"산책.alr", "Wanderung über den Paß.plt", "прогулка.nmea"}) {
        const auto path = dir.path() / pathFromUtf8(name);
        std::FILE* created = openNativeFile(path, NativeMode::CreateExclusive);
        ASSERT_NE(created, nullptr) << name;
        std::fputs("x\r\n", created);
        std::fclose(created);
        InputFile input(path);
        EXPECT_EQ(input.size(), 3u) << name;
        EXPECT_EQ(displayPath(path.filename()), name);
    }
    std::vector<std::string> listed;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        listed.push_back(displayPath(entry.path().filename()));
    }
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::string>{"Wanderung über den Paß.plt", "прогулка.nmea",
                                                "산책.alr"}));
}

}  // namespace
}  // namespace morlindo
