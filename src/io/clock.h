// Where the converters get the time from. The system clock gives the local
// date and time to whole seconds; tests and `morlindo --now` fix it instead.
#pragma once

#include <ctime>

#include "io/civil_time.h"

namespace morlindo {

class Clock {
public:
    virtual ~Clock() = default;
    // The current local date and time, whole seconds.
    virtual DateTime now() const = 0;
    // The current date and time in the zone utcOffsetHours east of UTC (the
    // zone a conversion was told to write), whole seconds.
    virtual DateTime nowInZone(int utcOffsetHours) const = 0;
};

class SystemClock final : public Clock {
public:
    DateTime now() const override;
    DateTime nowInZone(int utcOffsetHours) const override;

private:
    // Turning a time into a local date is slow next to writing a point line,
    // so the last answer is kept for the rest of its second.
    mutable std::time_t lastTime_ = -1;
    mutable DateTime lastLocal_;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(DateTime value) : value_(value) {}
    DateTime now() const override { return value_; }
    // The time given stands for the local time of whichever zone is asked.
    DateTime nowInZone(int) const override { return value_; }

private:
    DateTime value_;
};

}  // namespace morlindo
