// `morlindo`, the command-line front end: converts every named file, reports
// each result on one line and each failure on stderr, and gives the exit
// status (0 all converted, 1 some failed, 2 a wrong command line).
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace morlindo::cli {

// arguments excludes the program name.
int runMorlindo(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace morlindo::cli
