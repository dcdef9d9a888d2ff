// The NMEA 0183 log (.nmea): the sentences a GPS receiver sends, one a line.
// Fixes come from two sentences only, read from their comma-separated fields:
//   GGA  2 latitude ddmm.mmmm  3 N/S  4 longitude dddmm.mmmm  5 E/W
//        6 fix quality (0: no fix)  9 altitude above mean sea level, metres
//   RMC  1 UTC time hhmmss[.ss]  2 status (A valid, V void)  9 UTC date ddmmyy
// Both are accepted from the talker "GP" (GPS alone) and "GN" (a receiver that
// combines several satellite systems). A sentence may follow other bytes on
// its line (binary messages, a logger's time stamp). Checksums are not
// verified, and no log content is ever an error: whatever is not a usable
// sentence is passed over.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "formats/date_time.h"
#include "io/input_file.h"

namespace morlindo {

struct NmeaFix {
    double latitude = 0;   // decimal degrees, north positive; never exactly 0
    double longitude = 0;  // decimal degrees, east positive; never exactly 0
    // Paired reading only: GGA field 9; none when it is empty or not a number.
    std::optional<double> altitudeMeters;
    DateTime utcTime;  // paired reading only
};

// Reads a log forward, line by line. A line ends at CR LF, a lone CR or a lone
// LF; empty lines, and lines too long to be a sentence, are passed over (as
// are the bytes before a sentence, a UTF-8 byte-order mark among them).
class NmeaLogReader {
public:
    // progress, when given, hears how far the log has been read.
    explicit NmeaLogReader(const std::filesystem::path& path, ReadProgress* progress = nullptr);

    // The paired reading: a GGA sentence with a position and a fix, completed
    // by the next RMC sentence after it, whatever lies between (other GGA
    // sentences included). Gives the position and altitude of the GGA and the
    // time of the RMC; a void RMC makes the pair give nothing. nullopt at the
    // end of the log.
    std::optional<NmeaFix> nextPairedFix();

    // The GGA-only reading: the position of the next upper-case GGA sentence
    // that has one and a fix (altitude and time left unset); nullopt at the
    // end.
    std::optional<NmeaFix> nextGgaFix();

    // Back to the first byte: a second pass sees exactly what the first saw.
    void rewind();

    const std::filesystem::path& path() const noexcept { return file_.path(); }
    // The lines read so far, and those of them that were not empty.
    std::uint64_t linesRead() const noexcept {
        return static_cast<std::uint64_t>(lines_.lineNumber());
    }
    std::uint64_t nonEmptyLinesRead() const noexcept { return nonEmptyLines_; }

private:
    bool nextLine(std::string_view& line);
    // Reads on to the RMC sentence that completes a GGA candidate and gives
    // its time (none when unreadable); false when the log ends first.
    bool findRmcPartner(std::optional<DateTime>& time);

    InputFile file_;
    LineReader lines_;
    std::uint64_t nonEmptyLines_ = 0;
};

// The fix time shifted by a signed whole number of hours, carrying into the
// date: 23:30 UTC + 9 hours is 08:30 on the next day.
DateTime localFixTime(const DateTime& utcTime, std::int64_t hours);

}  // namespace morlindo
