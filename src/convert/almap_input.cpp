#include "convert/almap_input.h"

#include <cmath>

#include "convert/output_path.h"
#include "formats/number_text.h"
#include "io/error.h"

namespace morlindo {
namespace {

Error notFinite(const AlmapTrackReader& reader, ReasonPattern pattern) {
    return Error(reader.path(), pattern, {std::to_string(reader.recordsRead())});
}

}  // namespace

std::optional<AlmapTrackPoint> nextCheckedAlmapPoint(AlmapTrackReader& reader) {
    const auto point = reader.next();
    if (!point) return std::nullopt;
    if (!std::isfinite(point->longitude)) {
        throw notFinite(reader,
                        "record %1: the longitude is not a finite number; "
                        "this is not an AlMap track file");
    }
    if (!std::isfinite(point->latitude)) {
        throw notFinite(reader,
                        "record %1: the latitude is not a finite number; "
                        "this is not an AlMap track file");
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
                                        const ConversionContext& context,
                                        const WriteTextHeader& writeHeader,
                                        const AppendPointLine& appendPointLine) {
    AlmapTrackReader reader(inputPath, context.progress);
    const auto outputPath = outputPathFor(inputPath, extension, context.outputFolder);
    ensureOutputIsNotInput(inputPath, outputPath);
    OutputFile output(outputPath);

    const std::uint64_t count = reader.recordCount();
    writeHeader(output, count);

    std::string line;
    while (const auto point = nextCheckedAlmapPoint(reader)) {
        line.clear();
        appendPointLine(line, reader.recordsRead(), point->latitude, point->longitude);
        output.writeLine(line);
    }
    return commitResult(output, outputPath, count);
}

}  // namespace morlindo
