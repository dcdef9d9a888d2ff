// What the two NMEA log targets share: a reading is run over the whole log,
// then again after a rewind part-way through, then once more after a rewind
// at the end; all three must give exactly the same fixes. The only Error the
// reader may throw refuses the whole log (no date, every checksum wrong), and
// it must do so on every pass.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "formats/nmea_log.h"
#include "io/error.h"
#include "fuzz_file.h"

namespace morlindo::fuzz {

inline bool sameFix(const NmeaFix& a, const NmeaFix& b) {
    return a.latitude == b.latitude && a.longitude == b.longitude &&
           a.altitudeMeters == b.altitudeMeters && a.utcTime == b.utcTime;
}

inline bool sameFixes(const std::vector<NmeaFix>& a, const std::vector<NmeaFix>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!sameFix(a[i], b[i])) return false;
    }
    return true;
}

// Every fix has a finite position other than exactly 0.
inline void checkPosition(const NmeaFix& fix) {
    if (!std::isfinite(fix.latitude) || !std::isfinite(fix.longitude)) {
        fuzzFailure("a position that is not finite");
    }
    if (fix.latitude == 0 || fix.longitude == 0) fuzzFailure("a position of exactly 0");
}

// Reads at most limit fixes with next (a member of NmeaLogReader).
template <typename Next>
std::vector<NmeaFix> readFixes(NmeaLogReader& reader, Next next, std::size_t limit) {
    std::vector<NmeaFix> fixes;
    while (fixes.size() < limit) {
        const std::optional<NmeaFix> fix = (reader.*next)();
        if (!fix) break;
        fixes.push_back(*fix);
    }
    return fixes;
}

// The fixes of the whole log, after checking that rewinds give them again.
// The first byte chooses where the part-way rewind happens.
// nullopt for a log the reading refuses.
template <typename Next>
std::optional<std::vector<NmeaFix>> readFixesThreeTimes(const std::filesystem::path& log,
                                                        Next next, const std::uint8_t* data,
                                                        std::size_t size) {
    NmeaLogReader reader(log);
    std::vector<NmeaFix> first;
    try {
        first = readFixes(reader, next, SIZE_MAX);
    } catch (const Error&) {
        reader.rewind();
        try {
            readFixes(reader, next, SIZE_MAX);
        } catch (const Error&) {
            return std::nullopt;
        }
        fuzzFailure("a log refused once and read the next time");
    }
    reader.rewind();
    const std::size_t partWay = size == 0 ? 0 : data[0] % (first.size() + 1);
    const auto part = readFixes(reader, next, partWay);
    if (!sameFixes(part, std::vector<NmeaFix>(first.begin(), first.begin() + partWay))) {
        fuzzFailure("the fixes after a rewind differ from the first pass");
    }
    reader.rewind();
    if (!sameFixes(readFixes(reader, next, SIZE_MAX), first)) {
        fuzzFailure("the fixes after a rewind part-way differ from the first pass");
    }
    if (reader.nextPairedFix() || reader.nextGgaFix()) fuzzFailure("a fix after the end");
    for (const auto& fix : first) checkPosition(fix);
    return first;
}

}  // namespace morlindo::fuzz
