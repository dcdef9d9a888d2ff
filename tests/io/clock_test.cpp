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

}  // namespace
}  // namespace morlindo
