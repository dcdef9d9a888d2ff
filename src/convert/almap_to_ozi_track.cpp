#include "convert/almap_to_ozi_track.h"

#include <optional>

#include "convert/almap_input.h"
#include "convert/output_path.h"
#include "formats/date_time.h"
#include "formats/number_text.h"
#include "formats/ozi_text.h"

namespace morlindo {
namespace {

// Fields 3 to 7 of a point line: code 0, altitude -777, and the stamp of the
// given local time. All points written within one second share it.
std::string pointLineTail(const DateTime& stamp) {
    std::string tail = ", 0 ,-777 ,";
    appendPrintStyleNumber(tail, dayNumber(stamp));
    return tail + "," + formatDayMonthNameYear(stamp) + "," + formatTimeOfDay(stamp);
}

}  // namespace

ConversionResult convertAlmapToOziTrack(const std::filesystem::path& inputPath,
                                        const OziTrackOptions& options,
                                        const ConversionContext& context) {
    bool replaced = false;
    const auto writeHeader = [&](OutputFile& output, std::uint64_t count) {
        writeOziTrackHeader(
            output, " reserved 3", options,
            context.encoding.fromPath(oziFileNameField(baseNameOf(inputPath)), &replaced),
            printStyleNumber(static_cast<std::int64_t>(count)));
    };
    std::optional<DateTime> stamp;
    std::string tail;
    const auto appendPointLine = [&](std::string& line, std::uint64_t, double latitude,
                                     double longitude) {
        if (const DateTime now = context.clock.now(); now != stamp) {
            stamp = now;
            tail = pointLineTail(now);
        }
        appendPrintedCoordinates(line, latitude, longitude);
        line += tail;
    };
    auto result = convertAlmapToTextFile(inputPath, ".plt", context, writeHeader, appendPointLine);
    result.charactersReplaced = replaced;
    return result;
}

}  // namespace morlindo
