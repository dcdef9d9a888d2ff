// Writes the inputs that bench/run.sh times the conversions on, into a folder:
// log.nmea (a 1 Hz GGA and RMC log) and track.alr (an AlMap track of the same
// drive), each of PAIRS seconds, 1000000 when not given.
//   make_bench_inputs FOLDER [PAIRS]
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>

#include "bench_inputs.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make_bench_inputs FOLDER [PAIRS]\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::uint64_t pairs = argc == 3 ? std::strtoull(argv[2], nullptr, 10) : 1000000;
    try {
        std::filesystem::create_directories(folder);
        morlindo::bench::writeBenchLog(folder / "log.nmea", pairs);
        morlindo::bench::writeBenchTrack(folder / "track.alr", pairs);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_bench_inputs: %s\n", error.what());
        return 1;
    }
    return 0;
}
