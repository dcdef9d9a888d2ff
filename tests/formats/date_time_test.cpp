#include "formats/date_time.h"

#include <gtest/gtest.h>

namespace morlindo {
namespace {

TEST(DayNumber, CountsDaysSinceTheEndOf1899) {
    const DateTime stamp{2004, 11, 8, 15, 30, 0};
    EXPECT_EQ(secondsSinceDayZero(stamp), 3309089400);
    EXPECT_EQ(dayNumber(stamp), 38299.645833333336);
    EXPECT_EQ(dayNumber(DateTime{1899, 12, 30, 0, 0, 0}), 0.0);
    EXPECT_EQ(dayNumber(DateTime{1899, 12, 29, 12, 0, 0}), -0.5);
    EXPECT_EQ(dayNumber(DateTime{1994, 3, 23, 21, 35, 19}), 34416.89952546296);
}

TEST(DateTimeText, UsesTheThreePatterns) {
    const DateTime stamp{2004, 11, 8, 15, 30, 0};
    EXPECT_EQ(formatDayMonthNameYear(stamp), "08-Nov-04");
    EXPECT_EQ(formatYearMonthDay(stamp), "2004/11/08");
    EXPECT_EQ(formatTimeOfDay(stamp), "15:30:00");
    EXPECT_EQ(formatYearMonthDay(DateTime{987, 6, 5, 0, 0, 0}), "0987/06/05");
}

TEST(AddHours, CarriesIntoTheDate) {
    struct Case {
        DateTime from;
        int hours;
        DateTime to;
    };
    const Case cases[] = {
        {{1994, 3, 23, 23, 30, 0}, 9, {1994, 3, 24, 8, 30, 0}},
        {{2000, 1, 1, 0, 30, 0}, -1, {1999, 12, 31, 23, 30, 0}},
        {{2004, 2, 28, 20, 0, 0}, 13, {2004, 2, 29, 9, 0, 0}},
        {{2000, 3, 1, 5, 0, 0}, -12, {2000, 2, 29, 17, 0, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(addHours(c.from, c.hours), c.to) << c.hours;
}

}  // namespace
}  // namespace morlindo
