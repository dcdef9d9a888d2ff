// The point lines of an OziExplorer track written from a receiver's
// recording (an NMEA log, a GPX file): the coordinates to seven decimals,
// code 0 (no point starts a new segment), the altitude in whole feet, and the
// local day number, date and time:
//   48.1173017,11.5166667, 0 ,1789,34416.899525,1994/03/23,21:35:19
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "io/civil_time.h"

namespace morlindo {

// OziExplorer's altitude for "no valid altitude".
inline constexpr std::int32_t kNoAltitudeFeet = -777;

// The altitude in whole feet, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4); "no altitude" when there is none or the feet do not fit a
// 32-bit integer.
std::int32_t altitudeFeet(const std::optional<double>& meters);

class ReceiverPointLines {
public:
    // The text of the point's line, without its line end; valid until the
    // next call.
    const std::string& line(double latitude, double longitude,
                            const std::optional<double>& altitudeMeters, const DateTime& local);

private:
    // Several points a second share their time fields.
    std::optional<DateTime> lastTime_;
    std::string timeFields_;
    std::string line_;
};

}  // namespace morlindo
