#include "io/clock.h"

namespace morlindo {

DateTime SystemClock::now() const {
    const std::time_t current = std::time(nullptr);
    if (current != lastTime_) {
        std::tm local{};
#ifdef _WIN32
        localtime_s(&local, &current);
#else
        localtime_r(&current, &local);
#endif
        lastLocal_ =
            DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                     local.tm_hour,        local.tm_min,     local.tm_sec > 59 ? 59 : local.tm_sec};
        lastTime_ = current;
    }
    return lastLocal_;
}

DateTime SystemClock::nowInZone(int utcOffsetHours) const {
    const std::time_t current = std::time(nullptr);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &current);
#else
    gmtime_r(&current, &utc);
#endif
    const DateTime value{utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday,
                         utc.tm_hour,        utc.tm_min,     utc.tm_sec > 59 ? 59 : utc.tm_sec};
    return addHours(value, utcOffsetHours);
}

}  // namespace morlindo
