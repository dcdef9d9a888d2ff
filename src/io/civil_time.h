// A civil date and time to whole seconds, without a time zone, and the
// calendar arithmetic on it: whether it is a real moment, whole seconds since
// 1899-12-30 00:00:00 (the day the OziExplorer day numbers count from), and
// shifting it by whole hours across midnight.
#pragma once

#include <compare>
#include <cstdint>

namespace morlindo {

struct DateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;

    auto operator<=>(const DateTime&) const = default;
};

// True when year, month and day form a real calendar day and the time of
// day lies within 00:00:00 to 23:59:59.
bool isValidDateTime(const DateTime& value);

// Whole seconds from 1899-12-30 00:00:00 to the value.
std::int64_t secondsSinceDayZero(const DateTime& value);
DateTime dateTimeFromSecondsSinceDayZero(std::int64_t seconds);

// The value shifted by a signed number of hours, carrying into the date.
DateTime addHours(const DateTime& value, std::int64_t hours);

}  // namespace morlindo
