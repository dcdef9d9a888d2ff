// Text that the system writes into files comes out in the system's 8-bit
// code page, as the map programs that read those files expect. On Windows
// that is the ANSI code page (949 on a Korean system); elsewhere file names
// and arguments are already bytes in the system's encoding and pass as they
// are.
#pragma once

#include <filesystem>
#include <string>

namespace morlindo {

// A file name (or any path part) as text in the system's code page.
std::string systemText(const std::filesystem::path& name);

}  // namespace morlindo
