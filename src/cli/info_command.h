// `morlindo info FILE...`: what each track file holds, without converting
// it: points, length, first and last time, bounding box, altitudes, and for a
// receiver log its lines. A readable block per file, or with --json one JSON
// object per line for scripts. Exit status 0 when every file was read, 1
// when any could not be, 2 for a wrong command line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace morlindo::cli {

// arguments: what follows "info" on the command line.
int runInfo(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace morlindo::cli
