#include "io/error.h"

#include <system_error>

namespace morlindo {
namespace {

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

Error::Error(std::filesystem::path path, std::string reason, std::int64_t line)
    : std::runtime_error(composeMessage(path, reason, line)),
      path_(std::move(path)),
      reason_(std::move(reason)),
      line_(line) {}

std::string displayPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string systemReason(int errorNumber) { return std::generic_category().message(errorNumber); }

}  // namespace morlindo
