// How every converter names its output: the input's folder exactly as
// written, the input file name less its last extension, then the new
// extension. "C:\gps\walk.2004.alr" -> "C:\gps\walk.2004.plt";
// "walk" -> "walk.plt"; ".alr" -> ".plt". Cutting at the last "." keeps
// dated names apart: "2023.05.01 a.alr" and "2023.06.01 b.alr" would both
// become "2023.plt" if the name were cut at its first ".".
#pragma once

#include <filesystem>

namespace morlindo {

// extension includes its ".": ".plt", ".rte", ".wpt", ".alr".
std::filesystem::path outputPathFor(const std::filesystem::path& inputPath,
                                    const std::filesystem::path& extension);

// The same name in outputFolder instead, when one is given.
std::filesystem::path outputPathFor(const std::filesystem::path& inputPath,
                                    const std::filesystem::path& extension,
                                    const std::filesystem::path& outputFolder);

// The file name less its last extension (the whole name when it has none):
// the track name written into OziExplorer and GPX files.
std::filesystem::path baseNameOf(const std::filesystem::path& inputPath);

// A path as compared for sameness: absolute, lexically normal, and in one
// letter case on Windows, whose file names ignore it. Two inputs whose
// outputs compare equal would write one file.
std::filesystem::path::string_type pathIdentity(const std::filesystem::path& path);

}  // namespace morlindo
