#include "convert/almap_to_ozi_track.h"

#include <optional>

#include "convert/almap_input.h"
#include "convert/output_path.h"
#include "formats/almap_track.h"
#include "formats/number_text.h"
#include "io/output_file.h"
#include "io/system_text.h"

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
                                        const OziTrackOptions& options, const Clock& clock) {
    AlmapTrackReader reader(inputPath);
    const auto outputPath = outputPathFor(inputPath, ".plt");
    ensureOutputIsNotInput(inputPath, outputPath);
    OutputFile output(outputPath);

    const std::uint64_t count = reader.recordCount();
    writeOziTrackHeader(output, " reserved 3", options, systemText(baseNameOf(inputPath)),
                        printStyleNumber(static_cast<std::int64_t>(count)));
    reader.skipAlmapHeader();

    std::optional<DateTime> stamp;
    std::string tail;
    std::string line;
    for (std::uint64_t record = 1; record <= count; ++record) {
        const AlmapTrackPoint point = readCheckedAlmapPoint(reader, record);
        if (const DateTime now = clock.now(); now != stamp) {
            stamp = now;
            tail = pointLineTail(now);
        }
        line.clear();
        appendPrintStyleNumber(line, roundToSixDecimals(point.latitude));
        line += ',';
        appendPrintStyleNumber(line, roundToSixDecimals(point.longitude));
        line += tail;
        output.writeLine(line);
    }
    output.commit();
    return {outputPath, count};
}

}  // namespace morlindo
