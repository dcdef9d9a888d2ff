// What the conversions of an AlMap track into a text file (OziExplorer track,
// route, waypoints) share: the run itself, in which only the header and the
// point line differ.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "convert/conversion_context.h"
#include "convert/conversion_result.h"
#include "formats/almap_track.h"
#include "io/output_file.h"

namespace morlindo {

// Writes the header lines; pointCount is the number of point lines to come.
using WriteTextHeader = std::function<void(OutputFile& output, std::uint64_t pointCount)>;
// Appends the text of point line `number` (from 1) to line, which is empty;
// the coordinates come as the record holds them.
using AppendPointLine =
    std::function<void(std::string& line, std::uint64_t number, double latitude, double longitude)>;

// Appends "latitude,longitude", each rounded to six decimals and in print
// style, as all three text files carry a point's coordinates.
void appendPrintedCoordinates(std::string& line, double latitude, double longitude);

// Converts the track into a text file named after it with the extension:
// the header, then one line per record in record order, nothing skipped.
ConversionResult convertAlmapToTextFile(const std::filesystem::path& inputPath,
                                        const std::filesystem::path& extension,
                                        const ConversionContext& context,
                                        const WriteTextHeader& writeHeader,
                                        const AppendPointLine& appendPointLine);

}  // namespace morlindo
