// The files a `morlindo` command line stands for, each with its conversion
// and its output. A file argument stands for itself. A folder stands for the
// files in it, in name order, that the request converts (its subfolders too
// with -r, each mirrored below the output folder); hidden entries and links
// to folders are passed over, so a walk stays inside the tree and ends. On
// Windows, whose shells pass "*" and "?" through, an argument holding them
// stands for the names that match, as a POSIX shell would have expanded it.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "cli/command_line.h"
#include "io/error.h"

namespace morlindo::cli {

struct FileToConvert {
    std::filesystem::path input;
    std::filesystem::path output;
    std::filesystem::path outputFolder;  // given to the conversion; empty: beside the input
    ConversionKind conversion = ConversionKind::AlmapToOziTrack;
    // Set for an argument that stands for no file (a folder that cannot be
    // read or holds nothing to convert, a pattern that matches nothing).
    std::optional<Error> failure;
};

// Throws UsageError for a file whose kind cannot become the target, and for
// two inputs that would write one output (the same input named twice is
// taken once).
std::vector<FileToConvert> filesToConvert(const Request& request);

// Whether name matches pattern, where "*" stands for any characters and "?"
// for one, in any letter case, as Windows compares file names.
bool matchesWildcard(const std::filesystem::path& pattern, const std::filesystem::path& name);

// The entries of pattern's folder whose names match its last part, in name
// order, each as the folder is written in pattern followed by the name.
std::vector<std::filesystem::path> pathsMatching(const std::filesystem::path& pattern);

}  // namespace morlindo::cli
