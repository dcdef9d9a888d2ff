// Two files of a batch that would be written to one output (a/walk.alr and
// b/walk.alr converted into one folder, or walk.alr and walk.plt both made
// into walk.gpx): the second would replace what the first wrote, so the
// window names them before it converts anything. The same file listed twice
// is no clash: it is converted again into the same output.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "convert/conversions.h"

namespace morlindo {

struct OutputClash {
    std::filesystem::path first;
    std::filesystem::path second;
    std::filesystem::path output;
};

// The first pair of different inputs, in list order, that the conversion
// would write to one output, beside them or in outputFolder when one is
// given; nullopt when there is none.
std::optional<OutputClash> findOutputClash(ConversionKind kind,
                                           const std::vector<std::filesystem::path>& inputs,
                                           const std::filesystem::path& outputFolder = {});

}  // namespace morlindo
