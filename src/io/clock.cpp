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

}  // namespace morlindo
