#include "io/civil_time.h"

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

DateTime addHours(const DateTime& value, std::int64_t hours) {
    return dateTimeFromSecondsSinceDayZero(secondsSinceDayZero(value) + hours * 3600);
}

}  // namespace morlindo
