// Any bytes as an NMEA log, read the GGA-only way: the same fixes on every
// pass, positions only, and the conversion to an AlMap track writes exactly
// one record per fix, holding its longitude and latitude, and fails only on
// a log the reading refuses.
#include <cstring>

#include "convert/conversions.h"
#include "formats/almap_track.h"
#include "io/error.h"
#include "nmea_fixes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace morlindo;
    const auto input = fuzz::writeScratchFile("log.nmea", data, size);
    // An empty result keeps an older output: the last input's must go.
    std::filesystem::remove(fuzz::scratchFolder() / "log.alr");
    const auto read = fuzz::readFixesThreeTimes(input, &NmeaLogReader::nextGgaFix, data, size);
    if (!read) {
        try {
            convertFile(ConversionKind::NmeaToAlmap, input, {}, fuzz::fuzzContext());
        } catch (const Error&) {
            return 0;
        }
        fuzz::fuzzFailure("the conversion took a log the reading refuses");
    }
    const auto& fixes = *read;
    for (const auto& fix : fixes) {
        if (fix.altitudeMeters || fix.utcTime != DateTime{}) {
            fuzz::fuzzFailure("the GGA-only reading gave more than a position");
        }
    }
    try {
        const auto result =
            convertFile(ConversionKind::NmeaToAlmap, input, {}, fuzz::fuzzContext());
        if (result.points != fixes.size()) fuzz::fuzzFailure("record count of the conversion");
        AlmapTrackReader track(result.output);
        if (track.recordCount() != fixes.size()) fuzz::fuzzFailure("length of the AlMap track");
        for (const auto& fix : fixes) {
            const auto point = track.next();
            if (!point || std::memcmp(&point->longitude, &fix.longitude, sizeof(double)) != 0 ||
                std::memcmp(&point->latitude, &fix.latitude, sizeof(double)) != 0) {
                fuzz::fuzzFailure("a record that is not its fix");
            }
        }
    } catch (const Error&) {
        fuzz::fuzzFailure("the conversion failed on a log the reading takes");
    }
    return 0;
}
