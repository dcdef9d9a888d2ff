#include "formats/date_time.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace morlindo {
namespace {

// The point lines carry these texts on every line: they are written into
// place, not joined from smaller strings.
void putTwoDigits(char* at, int value) {
    at[0] = static_cast<char>('0' + value / 10 % 10);
    at[1] = static_cast<char>('0' + value % 10);
}

std::string padded(int value, std::size_t width) {
    std::array<char, 16> digits{};
    const long long magnitude = value < 0 ? -static_cast<long long>(value) : value;
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude).ptr;
    const auto length = static_cast<std::size_t>(end - digits.data());
    std::string text((value < 0 ? 1 : 0) + std::max(length, width), '0');
    if (value < 0) text[0] = '-';
    std::copy_n(digits.data(), length, text.end() - static_cast<std::ptrdiff_t>(length));
    return text;
}

}  // namespace

double dayNumber(const DateTime& value) {
    return static_cast<double>(secondsSinceDayZero(value)) / 24 / 60 / 60;
}

std::string formatDayMonthNameYear(const DateTime& value) {
    static constexpr std::array<const char*, 12> kMonths = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string text = "00-";
    text += kMonths[static_cast<std::size_t>(value.month - 1)];
    text += "-00";
    putTwoDigits(&text[0], value.day);
    putTwoDigits(&text[7], ((value.year % 100) + 100) % 100);
    return text;
}

std::string formatYearMonthDay(const DateTime& value) {
    std::string text = padded(value.year, 4);
    const std::size_t yearLength = text.size();
    text += "/00/00";
    putTwoDigits(&text[yearLength + 1], value.month);
    putTwoDigits(&text[yearLength + 4], value.day);
    return text;
}

std::string formatTimeOfDay(const DateTime& value) {
    std::string text = "00:00:00";
    putTwoDigits(&text[0], value.hour);
    putTwoDigits(&text[3], value.minute);
    putTwoDigits(&text[6], value.second);
    return text;
}

void appendUtcDateTime(std::string& out, const DateTime& utc) {
    std::string text = "0000-00-00T00:00:00Z";
    putTwoDigits(&text[0], utc.year / 100);
    putTwoDigits(&text[2], utc.year);
    putTwoDigits(&text[5], utc.month);
    putTwoDigits(&text[8], utc.day);
    putTwoDigits(&text[11], utc.hour);
    putTwoDigits(&text[14], utc.minute);
    putTwoDigits(&text[17], utc.second);
    out += text;
}

}  // namespace morlindo
