// How every converter names its output: the input's folder exactly as
// written, the input file name up to its first ".", then the new extension.
// "C:\gps\walk.2004.alr" -> "C:\gps\walk.plt"; "walk" -> "walk.plt";
// ".alr" -> ".plt".
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

// The file name up to, not including, its first "." (the whole name when it
// has none): the track name written into OziExplorer files.
std::filesystem::path baseNameOf(const std::filesystem::path& inputPath);

}  // namespace morlindo
