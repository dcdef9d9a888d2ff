#include "formats/gpx_writer.h"

#include <array>
#include <charconv>

#include "formats/date_time.h"
#include "formats/number_text.h"
#include "io/error.h"
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

std::string shortestDecimal(double value) {
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), result.ptr);
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

GpxItemWriter::GpxItemWriter(const WriteTarget& target)
    : output_(target.output), source_(target.source), defaultName_(target.defaultName) {
    output_.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    output_.write(std::string("<gpx version=\"1.1\" creator=\"MorlindoConverter ") + kVersionText +
                  "\"\n");
    output_.write(
        "     xmlns=\"http://www.topografix.com/GPX/1/1\"\n"
        "     xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
        "     xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
        "http://www.topografix.com/GPX/1/1/gpx.xsd\">\n");
}

void GpxItemWriter::write(const Item& item) {
    switch (item.kind) {
        case ItemKind::TrackStart:
            close(Open::Nothing);
            output_.write("  <trk>\n");
            writeNames(item.name.empty() ? defaultName_ : item.name, item.description);
            open_ = Open::Track;
            break;
        case ItemKind::SegmentStart:
            close(Open::Track);
            output_.write("    <trkseg>\n");
            open_ = Open::Segment;
            break;
        case ItemKind::Point:
            writePoint(item, "      <trkpt", "trkpt");
            break;
        case ItemKind::Waypoint:
            close(Open::Nothing);
            writePoint(item, "  <wpt", "wpt");
            break;
        case ItemKind::RouteStart:
            close(Open::Nothing);
            output_.write("  <rte>\n");
            writeNames(item.name, item.description);
            open_ = Open::Route;
            break;
        case ItemKind::RoutePoint:
            writePoint(item, "    <rtept", "rtept");
            break;
    }
}

void GpxItemWriter::finish() {
    close(Open::Nothing);
    output_.write("</gpx>\n");
}

void GpxItemWriter::close(Open keep) {
    if (open_ == Open::Segment && keep != Open::Segment) {
        output_.write("    </trkseg>\n");
        open_ = Open::Track;
    }
    if (open_ == Open::Track && keep == Open::Nothing) output_.write("  </trk>\n");
    if (open_ == Open::Route && keep == Open::Nothing) output_.write("  </rte>\n");
    if (keep == Open::Nothing) open_ = Open::Nothing;
}

void GpxItemWriter::writeNames(std::string_view name, std::string_view description) {
    if (!name.empty()) output_.write("    <name>" + xmlText(name) + "</name>\n");
    if (!description.empty()) output_.write("    <desc>" + xmlText(description) + "</desc>\n");
}

void GpxItemWriter::writePoint(const Item& item, std::string_view head, std::string_view tag) {
    ++points_;
    if (!gpxCanHold(item.latitude, item.longitude)) {
        throw Error(source_,
                    "point %1 at latitude %2, longitude %3 lies outside what GPX holds "
                    "(latitude -90 to 90, longitude -180 to 180)",
                    {std::to_string(points_), shortestDecimal(item.latitude),
                     shortestDecimal(item.longitude)},
                    item.line);
    }
    line_.assign(head);
    line_ += " lat=\"";
    appendShortestDecimal(line_, item.latitude);
    line_ += "\" lon=\"";
    appendShortestDecimal(line_, item.longitude == 180 ? -180.0 : item.longitude);
    line_ += '"';
    const bool named = item.kind != ItemKind::Point && !item.name.empty();
    const bool described = item.kind != ItemKind::Point && !item.description.empty();
    if (!item.altitudeMeters && !item.utcTime && !named && !described) {
        line_ += "/>\n";
        output_.write(line_);
        return;
    }
    line_ += '>';
    // The order of the GPX 1.1 schema: ele, time, name, desc.
    if (item.altitudeMeters) {
        line_ += "<ele>";
        appendShortestDecimal(line_, *item.altitudeMeters);
        line_ += "</ele>";
    }
    if (item.utcTime) {
        line_ += "<time>";
        appendUtcDateTime(line_, *item.utcTime);
        line_ += "</time>";
    }
    if (named) line_ += "<name>" + xmlText(item.name) + "</name>";
    if (described) line_ += "<desc>" + xmlText(item.description) + "</desc>";
    line_ += "</";
    line_ += tag;
    line_ += ">\n";
    output_.write(line_);
}

}  // namespace morlindo
