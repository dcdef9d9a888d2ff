#include "formats/nmea_sentence.h"

#include <algorithm>

#include "formats/number_text.h"
#include "io/byte_scan.h"

namespace morlindo {
namespace {

// Calls onComma(position) for each "," of the text in order, until it
// returns true; false when the text ends first. Sentences are some 70 bytes
// with a comma every few: the bytes are looked at eight at a time.
template <typename OnComma>
bool forEachComma(std::string_view text, OnComma onComma) {
    std::size_t i = 0;
    for (; i + kScanWordSize <= text.size(); i += kScanWordSize) {
        for (auto commas = bytesEqualTo(loadScanWord(text.data() + i), ','); commas != 0;
             commas &= commas - 1) {
            if (onComma(i + firstMarkedByte(commas))) return true;
        }
    }
    for (; i < text.size(); ++i) {
        if (text[i] == ',' && onComma(i)) return true;
    }
    return false;
}

// The degrees of a coordinate as parseNumber reads them; two or three plain
// digits, as receivers write them, are read directly.
std::optional<double> wholeDegrees(std::string_view text) {
    constexpr std::size_t kDirectDigits = 9;
    const bool plain =
        !text.empty() && text.size() <= kDirectDigits &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!plain) return parseNumber(text);
    int degrees = 0;
    for (const char c : text) degrees = degrees * 10 + (c - '0');
    return degrees;
}

}  // namespace

NmeaFields::NmeaFields(std::string_view sentence, std::size_t wanted) : sentence_(sentence) {
    const std::size_t fieldsToSplit = std::clamp<std::size_t>(wanted, 1, kMaxFields);
    std::size_t count = 0;
    // Ends the current field there; true when no more are wanted.
    const auto endFieldAt = [&](std::size_t end) {
        ends_[count++] = end;
        return count == fieldsToSplit;
    };
    if (!forEachComma(sentence, endFieldAt)) endFieldAt(sentence.size());
    count_ = count;
}

std::optional<double> nmeaCoordinate(std::string_view field, std::size_t degreeDigits) {
    if (field.size() <= degreeDigits) return std::nullopt;
    const auto degrees = wholeDegrees(field.substr(0, degreeDigits));
    const auto minutes = parseNumber(field.substr(degreeDigits));
    if (!degrees || !minutes) return std::nullopt;
    return *degrees + *minutes / 60.0;
}

}  // namespace morlindo
