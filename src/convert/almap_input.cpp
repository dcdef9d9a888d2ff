#include "convert/almap_input.h"

#include <cmath>

#include "convert/output_path.h"
#include "formats/number_text.h"
#include "io/error.h"

namespace morlindo {

AlmapTrackPoint readCheckedAlmapPoint(AlmapTrackReader& reader, std::uint64_t recordNumber) {
    const AlmapTrackPoint point = reader.readAlmapPoint();
    const char* bad = !std::isfinite(point.longitude)  ? "longitude"
                      : !std::isfinite(point.latitude) ? "latitude"
                                                       : nullptr;
    if (bad != nullptr) {
        throw Error(reader.path(), "record " + std::to_string(recordNumber) + ": the " + bad +
                                       " is not a finite number; this is not an AlMap track file");
    }
    return point;
}

void appendPrintedCoordinates(std::string& line, double latitude, double longitude) {
    appendPrintStyleSixDecimals(line, latitude);
    line += ',';
    appendPrintStyleSixDecimals(line, longitude);
}

ConversionResult convertAlmapToTextFile(const std::filesystem::path& inputPath,
                                        const std::filesystem::path& extension,
                                        const WriteTextHeader& writeHeader,
                                        const AppendPointLine& appendPointLine) {
    AlmapTrackReader reader(inputPath);
    const auto outputPath = outputPathFor(inputPath, extension);
    ensureOutputIsNotInput(inputPath, outputPath);
    OutputFile output(outputPath);

    const std::uint64_t count = reader.recordCount();
    writeHeader(output, count);
    reader.skipAlmapHeader();

    std::string line;
    for (std::uint64_t record = 1; record <= count; ++record) {
        const AlmapTrackPoint point = readCheckedAlmapPoint(reader, record);
        line.clear();
        appendPointLine(line, record, point.latitude, point.longitude);
        output.writeLine(line);
    }
    output.commit();
    return {outputPath, count};
}

}  // namespace morlindo
