// The files the desktop program is started with, as a file manager's "Open
// with" or a terminal passes them: the window opens on the first tab whose
// conversion reads the first file that any tab reads, lists the files that
// tab reads in their order; the window names the others in one message.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "convert/conversions.h"

namespace morlindo {

struct FilesToOpen {
    std::optional<ConversionKind> tab;  // none when no tab reads any of the files
    std::vector<std::filesystem::path> listed;
    std::vector<std::filesystem::path> refused;
};

FilesToOpen filesToOpen(const std::vector<std::filesystem::path>& files);

}  // namespace morlindo
