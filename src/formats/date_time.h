// Dates and times as the OziExplorer files carry them: a civil date-time to
// whole seconds, its day number (days since 1899-12-30 00:00:00, the time of
// day as the fraction), and the text patterns of the point lines.
#pragma once

#include <compare>
#include <cstdint>
#include <string>

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

// Days since 1899-12-30 00:00:00: the whole seconds divided by 24, then by 60,
// then by 60, as three floating-point divisions.
double dayNumber(const DateTime& value);

// The value shifted by a signed number of hours, carrying into the date.
DateTime addHours(const DateTime& value, std::int64_t hours);

// "DD-MMM-YY": «08-Nov-04».
std::string formatDayMonthNameYear(const DateTime& value);
// "YYYY/MM/DD": «2004/11/08».
std::string formatYearMonthDay(const DateTime& value);
// "HH:mm:ss", 24-hour clock: «15:30:00».
std::string formatTimeOfDay(const DateTime& value);

}  // namespace morlindo
