#include "formats/date_time.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>

namespace morlindo {
namespace {

using std::chrono::days;
using std::chrono::sys_days;

constexpr std::int64_t kSecondsPerDay = 86400;

sys_days civilDay(const DateTime& value) {
    return sys_days{std::chrono::year{value.year} / value.month / value.day};
}

const sys_days kDayZero{std::chrono::year{1899} / 12 / 30};

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

bool isValidDateTime(const DateTime& value) {
    const std::chrono::year_month_day date{std::chrono::year{value.year},
                                           std::chrono::month{static_cast<unsigned>(value.month)},
                                           std::chrono::day{static_cast<unsigned>(value.day)}};
    return value.month >= 1 && value.day >= 1 && date.ok() && value.hour >= 0 && value.hour < 24 &&
           value.minute >= 0 && value.minute < 60 && value.second >= 0 && value.second < 60;
}

std::int64_t secondsSinceDayZero(const DateTime& value) {
    const std::int64_t dayCount = (civilDay(value) - kDayZero).count();
    return dayCount * kSecondsPerDay + value.hour * 3600 + value.minute * 60 + value.second;
}

DateTime dateTimeFromSecondsSinceDayZero(std::int64_t seconds) {
    std::int64_t dayCount = seconds / kSecondsPerDay;
    std::int64_t secondOfDay = seconds % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        --dayCount;
    }
    const std::chrono::year_month_day date{kDayZero + days{dayCount}};
    return DateTime{static_cast<int>(date.year()),
                    static_cast<int>(static_cast<unsigned>(date.month())),
                    static_cast<int>(static_cast<unsigned>(date.day())),
                    static_cast<int>(secondOfDay / 3600),
                    static_cast<int>(secondOfDay / 60 % 60),
                    static_cast<int>(secondOfDay % 60)};
}

double dayNumber(const DateTime& value) {
    return static_cast<double>(secondsSinceDayZero(value)) / 24 / 60 / 60;
}

DateTime addHours(const DateTime& value, std::int64_t hours) {
    return dateTimeFromSecondsSinceDayZero(secondsSinceDayZero(value) + hours * 3600);
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

}  // namespace morlindo
