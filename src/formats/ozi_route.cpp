#include "formats/ozi_route.h"

#include "formats/date_time.h"
#include "formats/number_text.h"
#include "formats/ozi_text.h"
#include "formats/ozi_track.h"

namespace morlindo {
namespace {

// Numbers of the route file go in print style: a sign place, the digits and
// one trailing space. Text fields go in as they are.
std::string printed(std::int64_t value) { return printStyleNumber(value); }

}  // namespace

OziRouteReader::OziRouteReader(const std::filesystem::path& path, ReadProgress* progress)
    : lines_(path, progress) {}

void OziRouteReader::rewind() {
    lines_.rewind();
    inRoute_ = false;
}

bool OziRouteReader::next(Item& item) {
    if (!lines_.next(fields_)) return false;
    const std::string kind = lowerCase(trimmedBlanks(fieldAt(fields_, 0)));
    item.altitudeMeters.reset();
    item.utcTime.reset();
    item.line = lines_.lineNumber();
    if (kind == "r") {
        inRoute_ = true;
        item.kind = ItemKind::RouteStart;
        item.name = textField(fields_, 2);
        item.description = textField(fields_, 3);
        return true;
    }
    if (kind != "w") lines_.fail("the line is neither a route line (R) nor a route point line (W)");
    if (!inRoute_) lines_.fail("a route point line (W) comes before any route line (R)");
    item.kind = ItemKind::RoutePoint;
    item.latitude = lines_.coordinate(fields_, 5, "latitude", 90);
    item.longitude = lines_.coordinate(fields_, 6, "longitude", 180);
    item.name = textField(fields_, 4);
    item.description = textField(fields_, 13);
    if (item.description == "0") item.description.clear();
    item.utcTime = parseOziDayNumber(fieldAt(fields_, 7));
    return true;
}

std::string OziRouteWriter::field(std::string_view utf8) {
    return encoding_.fromUtf8(oziTextField(utf8), &replaced_);
}

OziRouteWriter::OziRouteWriter(OutputFile& output, const OziRouteOptions& options,
                               const TextEncoding& encoding)
    : output_(output),
      encoding_(encoding),
      routeColor_(printed(options.routeColor)),
      // Symbol 0, status 1, map display format 3, the colours: the same on
      // every point line, rendered once.
      pointMiddle_("," + printed(0) + "," + printed(1) + "," + printed(3) + "," +
                   printed(options.waypointForeColor) + "," + printed(options.waypointBackColor) +
                   ","),
      noDescription_(printed(0)),
      pointEnd_("," + printed(0)) {
    output_.writeLine("OziExplorer Route File Version 1.0");
    output_.writeLine("WGS 84");
    output_.writeLine("reserved 1");
    output_.writeLine("reserved 2");
}

void OziRouteWriter::write(const Item& item) {
    switch (item.kind) {
        case ItemKind::RouteStart:
            pointsInRoute_ = 0;
            output_.writeLine("R," + printed(routes_++) + "," + field(item.name) + "," +
                              field(item.description) + "," + routeColor_);
            return;
        case ItemKind::RoutePoint:
            break;
        case ItemKind::TrackStart:
            ++dropped_.tracks;
            return;
        case ItemKind::Waypoint:
            ++dropped_.waypoints;
            return;
        default:
            return;
    }
    line_ = "W,";
    appendPrintStyleNumber(line_, routes_ - 1);
    line_ += ',';
    appendPrintStyleNumber(line_, ++pointsInRoute_);
    line_ += ',';
    appendPrintStyleNumber(line_, ++waypoints_);
    line_ += ',';
    if (!item.name.empty()) line_ += field(item.name);
    line_ += ',';
    appendPrintedCoordinates(line_, item.latitude, item.longitude);
    line_ += ',';
    if (item.utcTime) appendPrintStyleNumber(line_, dayNumber(*item.utcTime));
    // Then the description (0: none) and pointer direction 0.
    line_ += pointMiddle_;
    if (item.description.empty()) {
        line_ += noDescription_;
    } else {
        line_ += field(item.description);
    }
    line_ += pointEnd_;
    output_.writeLine(line_);
}

}  // namespace morlindo
