#include "io/error.h"

namespace morlindo {
namespace {

std::vector<std::string> textsOf(const std::vector<ReasonValue>& values) {
    std::vector<std::string> texts;
    texts.reserve(values.size());
    for (const ReasonValue& value : values) texts.push_back(value.text);
    return texts;
}

// "PATH: reason", or "PATH:LINE: reason" for a line of a text file.
std::string composeMessage(const std::filesystem::path& path, const std::string& reason,
                           std::int64_t line) {
    std::string text = displayPath(path);
    if (line > 0) {
        text += ':';
        text += std::to_string(line);
    }
    text += ": ";
    text += reason;
    return text;
}

}  // namespace

ReasonValue systemReason(int errorNumber) {
    ReasonValue value(std::generic_category().message(errorNumber));
    value.errorNumber = errorNumber;
    return value;
}

ReasonValue systemReason(const std::error_code& code) {
    ReasonValue value(code.message());
    const std::error_condition condition = code.default_error_condition();
    if (condition.category() == std::generic_category()) value.errorNumber = condition.value();
    return value;
}

Error::Error(std::filesystem::path path, ReasonPattern pattern, std::vector<ReasonValue> values,
             std::int64_t line)
    : std::runtime_error(composeMessage(path, fillPattern(pattern.text(), textsOf(values)), line)),
      path_(std::move(path)),
      pattern_(pattern.text()),
      values_(std::move(values)),
      line_(line) {}

std::string Error::reason() const { return fillPattern(pattern_, textsOf(values_)); }

std::string fillPattern(std::string_view pattern, std::span<const std::string> values) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool place = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                           pattern[i + 1] <= '9';
        const auto index = place ? static_cast<std::size_t>(pattern[i + 1] - '1') : values.size();
        if (index < values.size()) {
            text += values[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string displayPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return printableText(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

std::string printableText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            shown += c;
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\r') {
            shown += "\\r";
        } else if (c == '\t') {
            shown += "\\t";
        } else {
            static constexpr char kHex[] = "0123456789abcdef";
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0xF];
        }
    }
    return shown;
}

}  // namespace morlindo
