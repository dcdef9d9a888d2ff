#include "convert/receiver_track_lines.h"

#include <cmath>
#include <limits>

#include "formats/date_time.h"
#include "formats/number_text.h"

namespace morlindo {
namespace {

constexpr double kFeetPerMetre = 3.2808399;

double roundHalfToEven(double value) {
    if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
    return std::round(value);
}

}  // namespace

std::int32_t altitudeFeet(const std::optional<double>& meters) {
    if (!meters) return kNoAltitudeFeet;
    const double feet = roundHalfToEven(*meters * kFeetPerMetre);
    if (!(feet >= std::numeric_limits<std::int32_t>::min() &&
          feet <= std::numeric_limits<std::int32_t>::max())) {
        return kNoAltitudeFeet;
    }
    return static_cast<std::int32_t>(feet);
}

const std::string& ReceiverPointLines::line(double latitude, double longitude,
                                            const std::optional<double>& altitudeMeters,
                                            const DateTime& local) {
    if (local != lastTime_) {
        lastTime_ = local;
        // Fields 5 to 7: day number, "YYYY/MM/DD", "HH:nn:ss".
        timeFields_.clear();
        appendMaskedNumber(timeFields_, dayNumber(local), kMaskSixDecimals);
        timeFields_ += ',';
        timeFields_ += formatYearMonthDay(local);
        timeFields_ += ',';
        timeFields_ += formatTimeOfDay(local);
    }
    line_.clear();
    appendMaskedNumber(line_, latitude, kMaskSevenDecimals);
    line_ += ',';
    appendMaskedNumber(line_, longitude, kMaskSevenDecimals);
    line_ += ", 0 ,";
    appendMaskedNumber(line_, std::int64_t{altitudeFeet(altitudeMeters)}, kMaskFourDigits);
    line_ += ',';
    line_ += timeFields_;
    return line_;
}

}  // namespace morlindo
