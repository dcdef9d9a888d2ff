#include "formats/ozi_text.h"

#include <type_traits>

namespace morlindo {
namespace {

// The field of a text in UTF-8 (Char is char) or UTF-16 (wchar_t, the
// file names of Windows). A C1 control character, U+0080 to U+009F, is one
// unit in UTF-16 and the two bytes C2 80 to C2 9F in UTF-8.
template <typename Char>
std::basic_string<Char> fieldOf(std::basic_string_view<Char> text) {
    std::basic_string<Char> field;
    field.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto unit = static_cast<std::make_unsigned_t<Char>>(text[i]);
        if (unit == ',') continue;
        bool control = unit < 0x20 || unit == 0x7F;
        if constexpr (sizeof(Char) == 1) {
            const bool c1 = unit == 0xC2 && i + 1 < text.size() &&
                            static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                            static_cast<unsigned char>(text[i + 1]) <= 0x9F;
            if (c1) ++i;
            control = control || c1;
        } else {
            control = control || (unit >= 0x80 && unit <= 0x9F);
        }
        field += control ? Char(' ') : text[i];
    }
    return field;
}

}  // namespace

std::string oziTextField(std::string_view utf8) { return fieldOf(utf8); }

std::filesystem::path oziFileNameField(const std::filesystem::path& name) {
    using NativeChar = std::filesystem::path::value_type;
    return std::filesystem::path(fieldOf(std::basic_string_view<NativeChar>(name.native())));
}

}  // namespace morlindo
