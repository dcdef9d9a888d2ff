// Any bytes as an OziExplorer track file: the reader yields finite points or
// stops with an Error that names a line of the file; it never crashes.
#include <cmath>

#include "formats/ozi_track.h"
#include "fuzz_file.h"
#include "io/error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace morlindo;
    const auto input = fuzz::writeScratchFile("track.plt", data, size);
    try {
        readOziTrackPoints(input, [](double latitude, double longitude) {
            if (!std::isfinite(latitude) || !std::isfinite(longitude)) {
                fuzz::fuzzFailure("a point that is not finite");
            }
        });
    } catch (const Error& error) {
        // Line 0 stands for "no line": a file too short to have a count line.
        if (error.line() < 0 || static_cast<std::size_t>(error.line()) > size + 1) {
            fuzz::fuzzFailure("error line outside the file");
        }
    }
    return 0;
}
