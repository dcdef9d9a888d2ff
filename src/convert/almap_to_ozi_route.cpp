#include "convert/almap_to_ozi_route.h"

#include "convert/almap_input.h"
#include "formats/number_text.h"
#include "formats/ozi_text.h"

namespace morlindo {
namespace {

// Numbers of the route file go in print style: a sign place, the digits and
// one trailing space. Text fields go in without commas and control characters.
std::string printed(std::int64_t value) { return printStyleNumber(value); }

// "R", route number 0, name, description, colour.
std::string routeLine(const OziRouteOptions& options, const TextEncoding& encoding,
                      bool& replaced) {
    return "R," + printed(0) + "," + encoding.fromUtf8(oziTextField(options.routeName), &replaced) +
           "," + encoding.fromUtf8(oziTextField(options.routeDescription), &replaced) + "," +
           printed(options.routeColor);
}

// Fields 8 to 15 of a route waypoint line, the same for every point: no date,
// symbol 0, status 1, map display format 3, the two colours, no description
// (0), pointer direction 0.
std::string waypointLineTail(const OziRouteOptions& options) {
    return ",," + printed(0) + "," + printed(1) + "," + printed(3) + "," +
           printed(options.waypointForeColor) + "," + printed(options.waypointBackColor) + "," +
           printed(0) + "," + printed(0);
}

}  // namespace

ConversionResult convertAlmapToOziRoute(const std::filesystem::path& inputPath,
                                        const OziRouteOptions& options,
                                        const ConversionContext& context) {
    bool replaced = false;
    const auto writeHeader = [&](OutputFile& output, std::uint64_t) {
        output.writeLine("OziExplorer Route File Version 1.0");
        output.writeLine("WGS 84");
        output.writeLine("reserved 1");
        output.writeLine("reserved 2");
        output.writeLine(routeLine(options, context.encoding, replaced));
    };
    const std::string head = "W," + printed(0) + ",";
    const std::string tail = waypointLineTail(options);
    // "W", route number 0, the point's number within the route and as a
    // waypoint (the same), an empty name, latitude, longitude, then the tail.
    const auto appendPointLine = [&](std::string& line, std::uint64_t number, double latitude,
                                     double longitude) {
        line += head;
        appendPrintStyleNumber(line, static_cast<std::int64_t>(number));
        line += ',';
        appendPrintStyleNumber(line, static_cast<std::int64_t>(number));
        line += ",,";
        appendPrintedCoordinates(line, latitude, longitude);
        line += tail;
    };
    auto result = convertAlmapToTextFile(inputPath, ".rte", context, writeHeader, appendPointLine);
    result.charactersReplaced = replaced;
    return result;
}

}  // namespace morlindo
