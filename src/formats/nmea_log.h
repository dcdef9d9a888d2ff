// The NMEA 0183 log (.nmea): the sentences a GPS receiver sends, one a line.
// Fixes come from three sentences, read from their comma-separated fields:
//   GGA  1 UTC time hhmmss[.ss]  2 latitude ddmm.mmmm  3 N/S
//        4 longitude dddmm.mmmm  5 E/W  6 fix quality (0: no fix)
//        9 altitude above mean sea level, metres
//   RMC  1 UTC time  2 status (A valid, V void)  3 to 6 position as GGA's
//        2 to 5  9 UTC date ddmmyy
//   ZDA  1 UTC time  2 day  3 month  4 year (four digits)
// from any talker: "GP" (GPS alone), "GN" (several satellite systems
// combined), "GL", "GA", "GB", "BD", "GQ" ... A sentence may follow other bytes
// on its line (binary messages, a logger's time stamp). A sentence whose
// "*hh" checksum does not match is passed over, unless checksums are
// ignored; one without a checksum is read.
//
// A receiver sends its sentences in epochs: every sentence of one fix carries
// the same time of day, the GGA first or the RMC first as the receiver likes,
// and a receiver of several systems may send the fix once per talker.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "formats/date_time.h"
#include "formats/nmea_sentence.h"
#include "io/input_file.h"

namespace morlindo {

struct NmeaFix {
    double latitude = 0;   // decimal degrees, north positive; never exactly 0
    double longitude = 0;  // decimal degrees, east positive; never exactly 0
    // Paired reading only: GGA field 9; none when it is empty or not a number,
    // and for a fix taken from an RMC sentence.
    std::optional<double> altitudeMeters;
    DateTime utcTime;  // paired reading only
};

struct NmeaReadOptions {
    // The date of the first fixes of a log that holds no date at all (no RMC
    // or ZDA sentence with one); a log with a date of its own keeps it.
    std::optional<DateTime> date;
    // Read sentences whose checksum does not match as if it did.
    bool ignoreChecksums = false;
};

// What a reading met, for a report of a log that gave nothing.
struct NmeaLogCounts {
    std::uint64_t lines = 0;
    std::uint64_t badChecksums = 0;  // sentences passed over for their checksum
    std::uint64_t withoutFix = 0;    // GGA and RMC sentences that gave no fix
};

// Reads a log forward, line by line. A line ends at CR LF, a lone CR or a lone
// LF; empty lines, and lines too long to be a sentence, are passed over (as
// are the bytes before a sentence, a UTF-8 byte-order mark among them).
class NmeaLogReader {
public:
    // progress, when given, hears how far the log has been read.
    explicit NmeaLogReader(const std::filesystem::path& path, ReadProgress* progress = nullptr,
                           NmeaReadOptions options = {});

    // The paired reading: one fix per epoch, at the epoch's own time. An
    // epoch is a run of GGA, RMC and ZDA sentences (upper or lower case) of
    // the same time of day. Its first GGA with a position and a fix gives the
    // fix, with its altitude; an epoch without a GGA takes its first RMC
    // (status A or empty). An RMC of the epoch with status V voids it. The
    // date is the epoch's own (its first valid RMC, else its ZDA), else the
    // last one seen, a day later each time the time of day goes back past
    // midnight; fixes before the log's first date are dated back from it.
    // nullopt at the end of the log. Throws an Error for a fix of a log
    // without any date (unless the options give one), and at the end of a
    // log where every checksummed sentence is bad.
    std::optional<NmeaFix> nextPairedFix();

    // The GGA-only reading: the position of each upper-case GGA sentence that
    // has one and a fix (altitude and time left unset), except a repeat of
    // the last one from another talker at the same time of day. A log
    // without a GGA sentence gives the positions of its RMC sentences so.
    // nullopt at the end; throws as nextPairedFix for bad checksums.
    std::optional<NmeaFix> nextGgaFix();

    // Back to the first byte: a second pass sees exactly what the first saw.
    void rewind();

    const std::filesystem::path& path() const noexcept { return file_.path(); }
    // The lines read so far, and those of them that were not empty.
    std::uint64_t linesRead() const noexcept {
        return static_cast<std::uint64_t>(lines_.lineNumber());
    }
    std::uint64_t nonEmptyLinesRead() const noexcept { return nonEmptyLines_; }
    // The non-empty lines read so far that gave nothing to a fix.
    std::uint64_t linesPassedOver() const noexcept { return nonEmptyLines_ - linesUsed_; }
    NmeaLogCounts counts() const noexcept {
        return {linesRead(), badChecksums_, sentencesWithoutFix_};
    }

private:
    struct Position {
        double latitude;
        double longitude;
    };
    enum class Kind { Gga, Rmc, Zda };
    struct Sentence {
        Kind kind = Kind::Gga;
        std::string_view text;  // from the "$" on
        char talker[2] = {0, 0};
    };
    // The sentences of one time of day gathered so far; only the first GGA
    // with a fix, the first RMC and the first ZDA count.
    struct Epoch {
        bool open = false;
        std::int32_t time = 0;  // milliseconds since midnight
        char timeTextBytes[16];  // the time as the first sentence wrote it
        std::size_t timeTextLength = 0;
        bool hasGga = false;
        std::optional<Position> ggaPosition;
        std::optional<double> ggaAltitude;
        bool hasRmc = false;
        bool isVoid = false;
        char rmcPosition[64];  // "ddmm.mm,N,dddmm.mm,E" of the first RMC
        std::size_t rmcPositionLength = 0;
        std::optional<std::int64_t> rmcDay;
        bool hasZda = false;
        std::optional<std::int64_t> zdaDay;
        std::uint32_t linesTaken = 0;

        std::string_view timeText() const { return {timeTextBytes, timeTextLength}; }
    };

    bool nextLine(std::string_view& line);
    bool nextSentence(Sentence& sentence, bool lowerCaseToo);
    void findStartDay();
    void findAnyGga();
    static std::size_t fieldsRead(Kind kind);
    void startEpoch(std::int32_t time, std::string_view timeText);
    void addToEpoch(Kind kind, const NmeaFields& fields);
    std::optional<std::int64_t> rmcDay(std::string_view field);
    std::optional<NmeaFix> closeEpoch();
    std::optional<NmeaFix> ggaOnlyFixOf(const Sentence& sentence);
    void finishPass();

    InputFile file_;
    LineReader lines_;
    NmeaReadOptions options_;
    std::uint64_t nonEmptyLines_ = 0;
    std::uint64_t linesUsed_ = 0;
    std::uint64_t badChecksums_ = 0;
    std::uint64_t checksummed_ = 0;
    std::uint64_t sentencesWithoutFix_ = 0;
    bool passStarted_ = false;
    bool atEnd_ = false;

    // Paired reading: the epoch being gathered, and the date of the last.
    Epoch epoch_;
    std::optional<std::int64_t> day_;  // days since 1899-12-30
    std::int32_t dayTime_ = 0;         // the time of day of the epoch last dated
    // The last date turned into a calendar date, and the last RMC date read.
    std::optional<std::int64_t> datedDay_;
    DateTime date_;
    char rmcDateText_[6] = {};
    std::size_t rmcDateLength_ = 0;
    std::optional<std::int64_t> rmcDateDay_;
    // Found once, before the first pass: the date of the first epoch (from
    // the log's first date or the options), and whether the log holds a GGA.
    std::optional<std::optional<std::int64_t>> startDay_;
    std::optional<bool> hasGga_;
    // GGA-only reading: the last fix's time of day and talker.
    std::optional<std::int32_t> lastGgaTime_;
    char lastTalker_[2] = {0, 0};
};

// The fix time shifted by a signed whole number of hours, carrying into the
// date: 23:30 UTC + 9 hours is 08:30 on the next day.
DateTime localFixTime(const DateTime& utcTime, std::int64_t hours);

}  // namespace morlindo
