#include "batch/command_line_files.h"

#include <algorithm>

namespace morlindo {
namespace {

bool tabReads(ConversionKind tab, const std::filesystem::path& file) {
    const auto kind = fileKindOf(file);
    const auto& sources = conversion(tab).sources;
    return kind && std::find(sources.begin(), sources.end(), *kind) != sources.end();
}

std::optional<ConversionKind> firstTabReading(const std::filesystem::path& file) {
    for (const Conversion& row : conversions()) {
        if (tabReads(row.kind, file)) return row.kind;
    }
    return std::nullopt;
}

}  // namespace

FilesToOpen filesToOpen(const std::vector<std::filesystem::path>& files) {
    FilesToOpen opening;
    for (const auto& file : files) {
        if (!opening.tab) opening.tab = firstTabReading(file);
        (opening.tab && tabReads(*opening.tab, file) ? opening.listed : opening.refused)
            .push_back(file);
    }
    return opening;
}

}  // namespace morlindo
