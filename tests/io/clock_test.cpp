#include "io/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <thread>

namespace morlindo {
namespace {

// The system clock keeps its last answer for the rest of its second; one
// that never moved on would stamp a whole conversion with its first time.
TEST(SystemClock, MovesOnWithTheSecond) {
    const SystemClock clock;
    const DateTime first = clock.now();
    const std::time_t start = std::time(nullptr);
    while (std::time(nullptr) == start) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_GT(clock.now(), first);
}

// The time in a chosen zone is UTC and the zone's hours, whatever zone the
// machine is set to.
TEST(SystemClock, TellsTheTimeInAnyZone) {
    const SystemClock clock;
    constexpr std::int64_t kDaysFrom1899To1970 = 25569;
    const std::int64_t utc = std::chrono::duration_cast<std::chrono::seconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count() +
                             kDaysFrom1899To1970 * 86400;
    for (const int hours : {0, 9, -12}) {
        const std::int64_t inZone = secondsSinceDayZero(clock.nowInZone(hours)) - 3600 * hours;
        EXPECT_LE(inZone - utc, 1) << hours;
        EXPECT_GE(inZone - utc, 0) << hours;
    }
}

}  // namespace
}  // namespace morlindo
