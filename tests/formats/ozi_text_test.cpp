#include "formats/ozi_text.h"

#include <gtest/gtest.h>

namespace morlindo {
namespace {

TEST(OziTextField, DropsCommasAndMakesControlCharactersSpaces) {
    const std::pair<std::string, std::string> cases[] = {
        {"WPT", "WPT"},
        {"P,Q", "PQ"},
        {"Seoul, Busan & back", "Seoul Busan & back"},
        {"a\r\nb\tc\x7F", "a  b c "},
        {"x\xC2\x85y\xC2\xA0z", "x y\xC2\xA0z"},  // NEL is a control character, NBSP is not
        {"산책 漢字", "산책 漢字"},               // bytes 0x80 to 0x9F within characters stay
        {std::string("a\0b", 3), "a b"},
    };
    for (const auto& [text, field] : cases) {
        EXPECT_EQ(oziTextField(text), field) << text;
        EXPECT_EQ(oziFileNameField(std::filesystem::path(
                      std::u8string(reinterpret_cast<const char8_t*>(text.data()), text.size()))),
                  std::filesystem::path(
                      std::u8string(reinterpret_cast<const char8_t*>(field.data()), field.size())))
            << text;
    }
}

}  // namespace
}  // namespace morlindo
