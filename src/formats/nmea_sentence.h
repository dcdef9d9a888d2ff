// One NMEA 0183 sentence as the log reader takes it apart: its checksum, its
// leading comma-separated fields, and the times, dates and coordinates
// written in them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "io/byte_scan.h"

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
// (Inline: the reader checks every sentence it reads.)
enum class NmeaChecksum { Absent, Good, Bad };
inline NmeaChecksum checkNmeaChecksum(std::string_view sentence);

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

namespace nmea_detail {

inline int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The exclusive-or of the bytes, eight at a time, folded into one byte. The
// last few bytes of a longer text come from the word that ends with them,
// shifted so that only they remain.
inline unsigned char xorOfBytes(const char* begin, const char* end) {
    std::uint64_t word = 0, other = 0;
    const char* p = begin;
    for (; end - p >= 2 * static_cast<std::ptrdiff_t>(kScanWordSize); p += 2 * kScanWordSize) {
        word ^= loadScanWord(p);
        other ^= loadScanWord(p + kScanWordSize);
    }
    if (end - p >= static_cast<std::ptrdiff_t>(kScanWordSize)) {
        word ^= loadScanWord(p);
        p += kScanWordSize;
    }
    const auto rest = static_cast<std::size_t>(end - p);
    if (rest > 0 && p != begin) {
        other ^= loadScanWord(end - kScanWordSize) >> (8 * (kScanWordSize - rest));
        p = end;
    }
    word ^= other;
    word ^= word >> 32;
    word ^= word >> 16;
    word ^= word >> 8;
    auto sum = static_cast<unsigned char>(word);
    for (; p != end; ++p) sum ^= static_cast<unsigned char>(*p);
    return sum;
}

}  // namespace nmea_detail

inline NmeaChecksum checkNmeaChecksum(std::string_view sentence) {
    std::size_t end = sentence.size();
    while (end > 0 && (sentence[end - 1] == ' ' || sentence[end - 1] == '\t')) --end;
    if (end < 4 || sentence[end - 3] != '*') return NmeaChecksum::Absent;
    const int high = nmea_detail::hexDigitValue(sentence[end - 2]);
    const int low = nmea_detail::hexDigitValue(sentence[end - 1]);
    if (high < 0 || low < 0) return NmeaChecksum::Absent;
    const char* text = sentence.data();
    const unsigned char sum = nmea_detail::xorOfBytes(text + 1, text + end - 3);
    return sum == high * 16 + low ? NmeaChecksum::Good : NmeaChecksum::Bad;
}

}  // namespace morlindo
