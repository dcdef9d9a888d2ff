#include "io/text_encoding.h"

#include <gtest/gtest.h>

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

#include "io/system_text.h"

namespace morlindo {
namespace {

TEST(TextEncoding, WritesANamedCodePageWithOneQuestionMarkPerMissingCharacter) {
    struct Case {
        const char* encoding;
        std::string utf8;
        std::string expected;
    };
    const Case cases[] = {
        {"CP949", "R 산책,1", "R \xBB\xEA\xC3\xA5,1"},
        {"cp949", "\xF0\x9F\x98\x80", "?"},  // beyond U+FFFF, still one character
        {"CP1252", "산", "?"},
        {"windows-1252", "Paß 산책", "Pa\xDF ??"},
        {"CP1252", "a\xFF-\xE3\x81", "a?-??"},  // bytes that are no UTF-8: one "?" each
        {"UTF-8", "산책", "산책"},
    };
    for (const auto& c : cases) {
        const auto encoding = TextEncoding::named(c.encoding);
        ASSERT_TRUE(encoding) << c.encoding;
        EXPECT_EQ(encoding->fromUtf8(c.utf8), c.expected) << c.encoding << " " << c.utf8;
    }
    EXPECT_EQ(TextEncoding::named("CP949")->fromPath(pathFromUtf8("산책")), "\xBB\xEA\xC3\xA5");
    for (const char* unknown : {"", "CP99999", "no such code page", "CP1252//TRANSLIT"}) {
        EXPECT_FALSE(TextEncoding::named(unknown)) << unknown;
    }
}

// The system's code page: on a Korean Windows code page 949; elsewhere, in
// a UTF-8 or "C" locale, the bytes as they are, as before a code page could
// be named.
TEST(TextEncoding, SystemWritesTheSystemsCodePage) {
#ifdef _WIN32
    if (GetACP() != 949) GTEST_SKIP() << "needs a Korean system (code page 949)";
    const auto system = TextEncoding::system();
    EXPECT_EQ(system.fromUtf8("R 산책,1"), "R \xBB\xEA\xC3\xA5,1");
    EXPECT_EQ(system.fromPath(pathFromUtf8("산책")), "\xBB\xEA\xC3\xA5");
#else
    for (const char* locale : {"C", "C.UTF-8"}) {
        setenv("LC_ALL", locale, 1);
        const auto system = TextEncoding::system();
        for (const char* text : {"", "walk", "R 산책,1", "a\xFF"}) {
            EXPECT_EQ(system.fromUtf8(text), text) << locale;
            EXPECT_EQ(system.fromPath(pathFromUtf8(text)), text) << locale;
        }
    }
    unsetenv("LC_ALL");
#endif
}

}  // namespace
}  // namespace morlindo
