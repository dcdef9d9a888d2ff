#include "convert/nmea_to_ozi_track.h"

#include <cmath>
#include <limits>
#include <optional>

#include "convert/output_path.h"
#include "formats/date_time.h"
#include "formats/nmea_log.h"
#include "formats/number_text.h"
#include "io/error.h"
#include "io/output_file.h"

namespace morlindo {
namespace {

constexpr double kFeetPerMetre = 3.2808399;
// OziExplorer's altitude for "no valid altitude".
constexpr std::int32_t kNoAltitudeFeet = -777;

double roundHalfToEven(double value) {
    if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
    return std::round(value);
}

// The altitude in whole feet, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4); "no altitude" when the log gave none or the feet do not fit a
// 32-bit integer.
std::int32_t altitudeFeet(const std::optional<double>& meters) {
    if (!meters) return kNoAltitudeFeet;
    const double feet = roundHalfToEven(*meters * kFeetPerMetre);
    if (!(feet >= std::numeric_limits<std::int32_t>::min() &&
          feet <= std::numeric_limits<std::int32_t>::max())) {
        return kNoAltitudeFeet;
    }
    return static_cast<std::int32_t>(feet);
}

// Appends fields 5 to 7 of a point line: day number, "YYYY/MM/DD", "HH:nn:ss".
void appendPointTimeFields(std::string& fields, const DateTime& local) {
    appendMaskedNumber(fields, dayNumber(local), kMaskSixDecimals);
    fields += ',';
    fields += formatYearMonthDay(local);
    fields += ',';
    fields += formatTimeOfDay(local);
}

}  // namespace

ConversionResult convertNmeaToOziTrack(const std::filesystem::path& inputPath,
                                       const NmeaOziTrackOptions& options,
                                       const ConversionContext& context) {
    NmeaLogReader reader(inputPath, context.progress);
    const auto outputPath = outputPathFor(inputPath, ".plt", context.outputFolder);
    ensureOutputIsNotInput(inputPath, outputPath);

    // Line 6 gives the number of points before the first of them, so the log
    // is read twice: once to count, once to write.
    std::uint64_t count = 0;
    while (reader.nextPairedFix()) ++count;
    reader.rewind();

    OutputFile output(outputPath);
    writeOziTrackHeader(output, "reserved 3", options,
                        context.encoding.fromPath(baseNameOf(inputPath)), std::to_string(count));

    std::uint64_t written = 0;
    std::optional<DateTime> lastTime;
    std::string timeFields;
    std::string line;
    while (const auto fix = reader.nextPairedFix()) {
        const DateTime local = localFixTime(fix->utcTime, options.timeZoneHours);
        if (local != lastTime) {  // several fixes a second share their time
            lastTime = local;
            timeFields.clear();
            appendPointTimeFields(timeFields, local);
        }
        line.clear();
        appendMaskedNumber(line, fix->latitude, kMaskSevenDecimals);
        line += ',';
        appendMaskedNumber(line, fix->longitude, kMaskSevenDecimals);
        // Code 0 on every point: no point starts a new track segment.
        line += ", 0 ,";
        appendMaskedNumber(line, altitudeFeet(fix->altitudeMeters), kMaskFourDigits);
        line += ',';
        line += timeFields;
        output.writeLine(line);
        ++written;
    }
    if (written != count) {
        throw Error(inputPath, "the log changed while it was being converted; convert it again");
    }
    output.commit();
    return {outputPath, count};
}

}  // namespace morlindo
