#include "io/system_text.h"

#include <gtest/gtest.h>

#include "io/error.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace morlindo {
namespace {

TEST(PathFromUtf8, KeepsEveryCharacter) {
    for (const char* name : {"walk.alr", "산책.alr", "C:\\gps\\산책 2004.alr", "über/den/Paß"}) {
        EXPECT_EQ(displayPath(pathFromUtf8(name)), name);
    }
#ifdef _WIN32
    EXPECT_EQ(pathFromUtf8("산책.alr").native(), L"\uC0B0\uCC45.alr");
    EXPECT_EQ(utf8FromWide(wideFromUtf8("\xFF"
                                        "a")),
              "\xEF\xBF\xBD"
              "a");  // U+FFFD
#endif
}

// The track name, route name, description and prefix are written in the
// system's code page: the CP949 bytes of a Korean name on a Korean Windows,
// the bytes as given elsewhere.
TEST(SystemText, IsTheSystemCodePage) {
    struct Case {
        const char* utf8;
        const char* expected;
    };
#ifdef _WIN32
    if (GetACP() != 949) GTEST_SKIP() << "needs a Korean system (code page 949)";
    const Case cases[] = {{"", ""},
                          {"walk", "walk"},
                          {"산책", "\xBB\xEA\xC3\xA5"},
                          {"R 산책,1", "R \xBB\xEA\xC3\xA5,1"}};
#else
    const Case cases[] = {{"", ""}, {"walk", "walk"}, {"산책", "산책"}, {"R 산책,1", "R 산책,1"}};
#endif
    for (const auto& c : cases) {
        EXPECT_EQ(systemTextFromUtf8(c.utf8), c.expected) << c.utf8;
        EXPECT_EQ(systemText(pathFromUtf8(c.utf8)), c.expected) << c.utf8;
    }
}

}  // namespace
}  // namespace morlindo
