// Entry point of `morlindo`; everything else lives in morlindo_app.
#include "cli/console.h"
#include "cli/morlindo_app.h"

int main(int argc, char** argv) {
    using morlindo::cli::Channel;
    morlindo::cli::ConsoleStream out(Channel::Output);
    morlindo::cli::ConsoleStream err(Channel::Error);
    return morlindo::cli::runMorlindo(morlindo::cli::commandLineArguments(argc, argv), out.stream(),
                                      err.stream(), morlindo::cli::terminalOf(Channel::Error));
}
