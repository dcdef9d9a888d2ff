#include "formats/ozi_waypoints.h"

#include "formats/date_time.h"
#include "formats/number_text.h"
#include "formats/ozi_text.h"
#include "formats/ozi_track.h"

namespace morlindo {

OziWaypointsReader::OziWaypointsReader(const std::filesystem::path& path, ReadProgress* progress)
    : lines_(path, progress) {}

bool OziWaypointsReader::next(Item& item) {
    if (!lines_.next(fields_)) return false;
    item.kind = ItemKind::Waypoint;
    item.latitude = lines_.coordinate(fields_, 2, "latitude", 90);
    item.longitude = lines_.coordinate(fields_, 3, "longitude", 180);
    item.name = textField(fields_, 1);
    item.description = textField(fields_, 10);
    item.utcTime = parseOziDayNumber(fieldAt(fields_, 4));
    item.altitudeMeters.reset();
    if (const auto feet = parseOziAltitudeFeet(fieldAt(fields_, 14))) {
        item.altitudeMeters = *feet * kMetresPerFoot;
    }
    item.line = lines_.lineNumber();
    return true;
}

std::string OziWaypointsWriter::field(std::string_view utf8) {
    return encoding_.fromUtf8(oziTextField(utf8), &replaced_);
}

OziWaypointsWriter::OziWaypointsWriter(OutputFile& output, const OziWaypointOptions& options,
                                       const TextEncoding& encoding)
    : output_(output),
      encoding_(encoding),
      prefix_(encoding.fromUtf8(oziTextField(options.namePrefix), &replaced_)),
      // No symbol, status 1, no map display format, the colours: the same on
      // every line, rendered once.
      middle_(",," + printStyleNumber(std::int64_t{1}) + ",," +
              printStyleNumber(std::int64_t{options.waypointForeColor}) + "," +
              printStyleNumber(std::int64_t{options.waypointBackColor}) + ",") {
    output_.writeLine("OziExplorer Waypoint File Version 1.1");
    output_.writeLine("WGS 84");
    output_.writeLine("reserved 2");
    output_.writeLine("garmin");
}

void OziWaypointsWriter::write(const Item& item) {
    if (item.kind == ItemKind::TrackStart) ++dropped_.tracks;
    if (item.kind == ItemKind::RouteStart) ++dropped_.routes;
    if (item.kind != ItemKind::Waypoint) return;
    const auto number = static_cast<std::int64_t>(++number_);
    line_.clear();
    appendPrintStyleNumber(line_, number);
    line_ += ',';
    if (item.name.empty()) {
        // The prefix and the number of at least three digits; numbers go on
        // past 32767.
        line_ += prefix_;
        appendMaskedNumber(line_, number, kMaskThreeDigits);
    } else {
        line_ += field(item.name);
    }
    line_ += ',';
    appendPrintedCoordinates(line_, item.latitude, item.longitude);
    line_ += ',';
    if (item.utcTime) appendPrintStyleNumber(line_, dayNumber(*item.utcTime));
    line_ += middle_;
    if (!item.description.empty()) line_ += field(item.description);
    // No pointer direction, garmin display format or proximity; the altitude.
    line_ += ",,,,";
    appendPrintStyleNumber(line_, std::int64_t{altitudeFeet(item.altitudeMeters)});
    output_.writeLine(line_);
}

}  // namespace morlindo
