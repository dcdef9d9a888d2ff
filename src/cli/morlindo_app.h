// `morlindo`, the command-line front end: converts every named file and
// every file in the named folders, reports each result (cli/report.h), and
// gives the exit status (0 all converted or skipped, 1 some failed, 2 a
// wrong command line).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/console.h"

namespace morlindo::cli {

// arguments excludes the program name; errorTerminal tells whether err goes
// to a terminal, where a batch shows its progress.
int runMorlindo(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                const Terminal& errorTerminal = {});

}  // namespace morlindo::cli
