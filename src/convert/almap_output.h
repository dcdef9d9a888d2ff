// What the conversions into an AlMap track share: the output named after the
// input, one record per position, in the order they come.
#pragma once

#include <cstdint>
#include <filesystem>

#include "convert/conversion_context.h"
#include "convert/conversion_result.h"
#include "convert/output_path.h"
#include "formats/almap_track.h"
#include "io/output_file.h"

namespace morlindo {

// Writes the track of the positions nextPosition() gives (anything with a
// latitude and a longitude, or nothing at the end).
template <typename NextPosition>
ConversionResult writeAlmapTrackOf(const std::filesystem::path& inputPath,
                                   const ConversionContext& context, NextPosition&& nextPosition) {
    const auto outputPath = outputPathFor(inputPath, ".alr", context.outputFolder);
    ensureOutputIsNotInput(inputPath, outputPath);
    OutputFile output(outputPath);
    AlmapTrackWriter writer(output);
    std::uint64_t points = 0;
    while (const auto position = nextPosition()) {
        writer.writeAlmapPoint(position->longitude, position->latitude);
        ++points;
    }
    return commitResult(output, outputPath, points);
}

}  // namespace morlindo
