#include "batch/run_batch.h"

#include <exception>

#include "io/error.h"

namespace morlindo {
namespace {

Message failureMessage(const std::filesystem::path& inputPath, const std::exception& failure) {
    // An Error already names its file (the input, or the output it could not
    // write) and the line; anything else is named after the input.
    std::string text = dynamic_cast<const Error*>(&failure) != nullptr
                           ? std::string(failure.what())
                           : displayPath(inputPath) + ": " + failure.what();
    return {std::move(text), std::string(kFailureTitle), MessageIcon::Critical};
}

}  // namespace

ConversionOptions optionsFor(ConversionKind kind, const OptionsSource& source) {
    ConversionOptions options;
    switch (kind) {
        case ConversionKind::AlmapToOziTrack:
            options.track = source.oziTrackOptions();
            break;
        case ConversionKind::AlmapToOziRoute:
            options.route = source.oziRouteOptions();
            break;
        case ConversionKind::AlmapToOziWaypoints:
            options.waypoints = source.oziWaypointOptions();
            break;
        case ConversionKind::NmeaToOziTrack:
            options.nmeaTrack = source.nmeaOziTrackOptions();
            break;
        case ConversionKind::OziTrackToAlmap:
        case ConversionKind::NmeaToAlmap:
            break;
    }
    return options;
}

ConverterTable standardConverters(std::shared_ptr<const Clock> clock) {
    ConverterTable table;
    for (int value = 0; value < kConversionKindCount; ++value) {
        table[value] = [kind = static_cast<ConversionKind>(value), clock](
                           const std::filesystem::path& inputPath,
                           const ConversionOptions& options) {
            convertFile(kind, inputPath, options, *clock);
        };
    }
    return table;
}

bool runBatch(ConversionKind kind, FileList& list, const OptionsSource& options,
              const ConverterTable& converters, MessageDialog& messages) {
    const Converter& convert = converters[static_cast<int>(kind)];
    const int lastRow = list.rowCount() - 1;
    for (int row = 1; row <= lastRow; ++row) {
        const auto inputPath = inputPathOf(list.row(row));
        try {
            convert(inputPath, optionsFor(kind, options));
        } catch (const std::exception& failure) {
            messages.show(failureMessage(inputPath, failure));
            return false;
        }
        list.setCell(row, FileList::kConversion, std::string(kConvertedMark));
    }
    messages.show(
        {std::string(kCompletionText), std::string(kCompletionTitle), MessageIcon::Information});
    return true;
}

}  // namespace morlindo
