#include "convert/almap_input.h"

#include "convert/output_path.h"
#include "formats/number_text.h"

namespace morlindo {
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
    while (const auto point = reader.next()) {
        line.clear();
        appendPointLine(line, reader.recordsRead(), point->latitude, point->longitude);
        output.writeLine(line);
    }
    return commitResult(output, outputPath, count);
}

}  // namespace morlindo
