#include "formats/earth_position.h"

#include <array>
#include <charconv>
#include <string>

#include "io/error.h"

namespace morlindo {
namespace {

// The shortest text that reads back as the same double, as messages show it.
std::string numberText(double value) {
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), result.ptr);
}

}  // namespace

bool isOnEarth(double latitude, double longitude) {
    return latitude >= -90 && latitude <= 90 && longitude >= -180 && longitude <= 180;
}

void failOffEarth(const std::filesystem::path& source, std::uint64_t point, const Item& item,
                  std::string_view formatName) {
    throw Error(source,
                "point %1 at latitude %2, longitude %3 lies outside what %4 holds "
                "(latitude -90 to 90, longitude -180 to 180)",
                {std::to_string(point), numberText(item.latitude), numberText(item.longitude),
                 std::string(formatName)},
                item.line);
}

}  // namespace morlindo
