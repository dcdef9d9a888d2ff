#include "formats/gpx_writer.h"

#include <array>
#include <charconv>

#include "io/version.h"

namespace morlindo {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence at the start of text (of a
// character XML may hold), or 0.
std::size_t utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return lead >= 0x20 || lead == '\t' || lead == '\n' || lead == '\r' ? 1 : 0;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
    }
    if (length == 0 || text.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(byte(i))) return 0;
    }
    // U+FFFE and U+FFFF are not characters XML holds.
    if (lead == 0xEF && byte(1) == 0xBF && byte(2) >= 0xBE) return 0;
    return length;
}

// Negative zero is written as "0": the same number, and the form every
// reader takes alike.
void appendShortestDecimal(std::string& out, double value) {
    if (value == 0) value = 0;
    std::array<char, 400> text{};  // the longest double in plain decimal has 309 digits
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    out.append(text.data(), result.ptr);
}

void appendDigits(std::string& out, int value, int width) {
    std::array<char, 4> digits{};
    for (int i = width - 1; i >= 0; --i) {
        digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(digits.data(), static_cast<std::size_t>(width));
}

void appendUtcTime(std::string& out, const DateTime& time) {
    appendDigits(out, time.year, 4);
    out += '-';
    appendDigits(out, time.month, 2);
    out += '-';
    appendDigits(out, time.day, 2);
    out += 'T';
    appendDigits(out, time.hour, 2);
    out += ':';
    appendDigits(out, time.minute, 2);
    out += ':';
    appendDigits(out, time.second, 2);
    out += 'Z';
}

}  // namespace

bool gpxCanHold(double latitude, double longitude) {
    return latitude >= -90 && latitude <= 90 && longitude >= -180 && longitude <= 180;
}

std::string xmlText(std::string_view utf8) {
    std::string text;
    while (!utf8.empty()) {
        const std::size_t length = utf8SequenceLength(utf8);
        if (length == 0) {
            text += kReplacementCharacter;
            utf8.remove_prefix(1);
            continue;
        }
        switch (utf8[0]) {
            case '&':
                text += "&amp;";
                break;
            case '<':
                text += "&lt;";
                break;
            case '>':
                text += "&gt;";
                break;
            case '\r':
                text += "&#13;";
                break;  // a bare CR would be read as LF
            default:
                text.append(utf8.substr(0, length));
        }
        utf8.remove_prefix(length);
    }
    return text;
}

GpxTrackWriter::GpxTrackWriter(OutputFile& output, std::string_view trackName) : output_(output) {
    output_.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    output_.write(std::string("<gpx version=\"1.1\" creator=\"MorlindoConverter ") + kVersionText +
                  "\"\n");
    output_.write(
        "     xmlns=\"http://www.topografix.com/GPX/1/1\"\n"
        "     xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
        "     xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
        "http://www.topografix.com/GPX/1/1/gpx.xsd\">\n");
    output_.write("  <trk>\n    <name>" + xmlText(trackName) + "</name>\n    <trkseg>\n");
}

void GpxTrackWriter::writePoint(double latitude, double longitude,
                                const std::optional<double>& elevationMeters,
                                const std::optional<DateTime>& utcTime) {
    line_.assign("      <trkpt lat=\"");
    appendShortestDecimal(line_, latitude);
    line_ += "\" lon=\"";
    appendShortestDecimal(line_, longitude == 180 ? -180.0 : longitude);
    line_ += '"';
    if (!elevationMeters && !utcTime) {
        line_ += "/>\n";
        output_.write(line_);
        return;
    }
    line_ += '>';
    if (elevationMeters) {
        line_ += "<ele>";
        appendShortestDecimal(line_, *elevationMeters);
        line_ += "</ele>";
    }
    if (utcTime) {
        line_ += "<time>";
        appendUtcTime(line_, *utcTime);
        line_ += "</time>";
    }
    line_ += "</trkpt>\n";
    output_.write(line_);
}

void GpxTrackWriter::finish() { output_.write("    </trkseg>\n  </trk>\n</gpx>\n"); }

}  // namespace morlindo
