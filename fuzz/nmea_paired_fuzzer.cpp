// Any bytes as an NMEA log, read the paired way (a fix per epoch at its own
// time): the same fixes on every pass, each with a real date and time, and the
// conversion to an OziExplorer track, which reads the log twice, writes one
// point line per fix and fails only on a log the reading refuses.
#include <algorithm>

#include "convert/conversions.h"
#include "io/error.h"
#include "nmea_fixes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace morlindo;
    const auto input = fuzz::writeScratchFile("log.nmea", data, size);
    // An empty result keeps an older output: the last input's must go.
    std::filesystem::remove(fuzz::scratchFolder() / "log.plt");
    const auto read = fuzz::readFixesThreeTimes(input, &NmeaLogReader::nextPairedFix, data, size);
    if (!read) {
        try {
            convertFile(ConversionKind::NmeaToOziTrack, input, {}, fuzz::fuzzContext());
        } catch (const Error&) {
            return 0;
        }
        fuzz::fuzzFailure("the conversion took a log the reading refuses");
    }
    const auto& fixes = *read;
    for (const auto& fix : fixes) {
        if (!isValidDateTime(fix.utcTime)) fuzz::fuzzFailure("a fix time that is no real time");
        if (fix.altitudeMeters && !std::isfinite(*fix.altitudeMeters)) {
            fuzz::fuzzFailure("an altitude that is not finite");
        }
    }
    try {
        const auto result =
            convertFile(ConversionKind::NmeaToOziTrack, input, {}, fuzz::fuzzContext());
        if (result.points != fixes.size()) fuzz::fuzzFailure("point count of the conversion");
        const std::string text = fuzz::readWholeFile(result.output);
        const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        if (lines != 6 + fixes.size()) fuzz::fuzzFailure("point lines of the conversion");
    } catch (const Error&) {
        fuzz::fuzzFailure("the conversion failed on a log the reading takes");
    }
    return 0;
}
