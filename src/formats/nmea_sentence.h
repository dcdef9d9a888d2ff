// One NMEA 0183 sentence as the log reader takes it apart: its checksum, its
// leading comma-separated fields, and the times, dates and coordinates
// written in them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace morlindo {

// The leading fields of a sentence, split at every "," without copying;
// field 0 is the identifier ("$GPGGA"). Only the first `wanted` fields (at
// most kMaxFields) are split, and the fields are counted only that far: the
// last of them ends at the next "," as the others do.
class NmeaFields {
public:
    static constexpr std::size_t kMaxFields = 15;

    NmeaFields(std::string_view sentence, std::size_t wanted);

    // True when the sentence has at least that many fields (count <= wanted).
    bool hasAtLeast(std::size_t count) const noexcept { return count_ >= count; }
    // Field index, for an index below the count.
    std::string_view operator[](std::size_t index) const noexcept {
        const std::size_t start = index == 0 ? 0 : ends_[index - 1] + 1;
        return std::string_view(sentence_.data() + start, ends_[index] - start);
    }

private:
    std::string_view sentence_;
    // Where each field ends: at its "," or at the end of the sentence. Only
    // the first count_ are set.
    std::array<std::size_t, kMaxFields> ends_;
    std::size_t count_ = 0;
};

// A coordinate of degrees then minutes, "ddmm.mmmm" (degreeDigits 2) or
// "dddmm.mmmm" (3): degrees + minutes / 60. None when either part is not a
// number, an empty minutes part included.
std::optional<double> nmeaCoordinate(std::string_view field, std::size_t degreeDigits);

// A sentence ends in "*hh": the exclusive-or of every byte between the "$"
// and the "*", in two hexadecimal digits (either case), then at most blanks.
// A sentence without that ending carries no checksum.
enum class NmeaChecksum { Absent, Good, Bad };
NmeaChecksum checkNmeaChecksum(std::string_view sentence);

// A time of day "hhmmss" with an optional fraction ".s", ".ss", ...: the
// milliseconds since midnight (a fraction beyond them dropped). None unless
// it is a real time of day.
std::optional<std::int32_t> nmeaTimeOfDay(std::string_view field);
inline constexpr std::int32_t kMillisecondsPerDay = 86'400'000;

// A date as days since 1899-12-30: RMC's "ddmmyy" (a two-digit year below 30
// lies in the 2000s), or ZDA's day, month and four-digit year in fields of
// their own. None unless it is a real date.
std::optional<std::int64_t> nmeaRmcDate(std::string_view field);
std::optional<std::int64_t> nmeaZdaDate(std::string_view day, std::string_view month,
                                        std::string_view year);

}  // namespace morlindo
