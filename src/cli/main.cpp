// Entry point of `morlindo`; everything else lives in morlindo_app.
#include <iostream>
#include <string>
#include <vector>

#include "cli/morlindo_app.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return morlindo::cli::runMorlindo(arguments, std::cout, std::cerr);
}
