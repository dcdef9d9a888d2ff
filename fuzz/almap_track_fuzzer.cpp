// Any bytes as an AlMap track file: the conversion to an OziExplorer track
// either writes one point line per record, or refuses a file that is not a
// track (its signature, its length, a record off the earth) with an Error,
// leaving no output behind.
#include <algorithm>

#include "convert/conversions.h"
#include "formats/almap_track.h"
#include "fuzz_file.h"
#include "io/error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace morlindo;
    const auto input = fuzz::writeScratchFile("track.alr", data, size);
    const auto output = fuzz::scratchFolder() / "track.plt";
    std::filesystem::remove(output);
    try {
        const auto result =
            convertFile(ConversionKind::AlmapToOziTrack, input, {}, fuzz::fuzzContext());
        if (result.points != almapRecordCount(size)) fuzz::fuzzFailure("record count");
        const std::string text = fuzz::readWholeFile(output);
        const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        if (lines != 6 + result.points) fuzz::fuzzFailure("point lines");
    } catch (const Error&) {
        if (std::filesystem::exists(output)) fuzz::fuzzFailure("output left after an error");
    }
    return 0;
}
