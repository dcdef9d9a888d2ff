#include "convert/almap_to_ozi_waypoints.h"

#include "convert/almap_input.h"
#include "formats/number_text.h"
#include "formats/ozi_text.h"

namespace morlindo {
namespace {

// Fields 5 to 15 of a waypoint line, the same for every point: no date, no
// symbol, status 1, no map display format, the two colours, four empty
// fields (description, pointer direction, garmin display format, proximity),
// and the altitude -777, the format's "no altitude".
std::string waypointLineTail(const OziWaypointOptions& options) {
    return ",,," + printStyleNumber(std::int64_t{1}) + ",," +
           printStyleNumber(std::int64_t{options.waypointForeColor}) + "," +
           printStyleNumber(std::int64_t{options.waypointBackColor}) + ",,,,," +
           printStyleNumber(std::int64_t{-777});
}

}  // namespace

ConversionResult convertAlmapToOziWaypoints(const std::filesystem::path& inputPath,
                                            const OziWaypointOptions& options,
                                            const ConversionContext& context) {
    const auto writeHeader = [](OutputFile& output, std::uint64_t) {
        output.writeLine("OziExplorer Waypoint File Version 1.1");
        output.writeLine("WGS 84");
        output.writeLine("reserved 2");
        output.writeLine("garmin");
    };
    const std::string tail = waypointLineTail(options);
    bool replaced = false;
    const std::string prefix =
        context.encoding.fromUtf8(oziTextField(options.namePrefix), &replaced);
    // The number, the name (prefix and the number of at least three digits,
    // "WPT001"; numbers go on past 32767), latitude, longitude, then the tail.
    const auto appendPointLine = [&](std::string& line, std::uint64_t number, double latitude,
                                     double longitude) {
        appendPrintStyleNumber(line, static_cast<std::int64_t>(number));
        line += ',';
        line += prefix;
        appendMaskedNumber(line, static_cast<std::int64_t>(number), kMaskThreeDigits);
        line += ',';
        appendPrintedCoordinates(line, latitude, longitude);
        line += tail;
    };
    auto result = convertAlmapToTextFile(inputPath, ".wpt", context, writeHeader, appendPointLine);
    result.charactersReplaced = replaced;
    return result;
}

}  // namespace morlindo
