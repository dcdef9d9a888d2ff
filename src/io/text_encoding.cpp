#include "io/text_encoding.h"

#include "io/system_text.h"

namespace morlindo {

TextEncoding TextEncoding::system() { return TextEncoding("system"); }

std::string TextEncoding::fromUtf8(std::string_view utf8) const { return systemTextFromUtf8(utf8); }

std::string TextEncoding::fromPath(const std::filesystem::path& name) const {
    return systemText(name);
}

}  // namespace morlindo
