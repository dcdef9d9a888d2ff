// The OziExplorer track (.plt) as a stream of items. The file holds one
// track line with breaks: read, it is one track (named by line 5) whose
// segments begin at the first point and at every point whose field 3 is 1.
// Written, every segment after the first and every track after the first
// begin with field 3 = 1, so that nothing is joined; waypoints and routes,
// and the names of tracks after the first, cannot be held.
//
// Times in the file are local: the reader takes them back to UTC, and the
// writer forward into local time, by a whole number of hours.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "formats/item_stream.h"
#include "formats/ozi_track.h"
#include "io/clock.h"
#include "io/text_encoding.h"

namespace morlindo {

struct OziTrackReading {
    int timeZoneHours = 9;  // the zone of the file's local times
    // Only the positions and breaks are wanted: altitude and time are not
    // read (they cost as much again as the rest).
    bool positionsOnly = false;
};

class OziTrackItemReader final : public ItemReader {
public:
    OziTrackItemReader(const std::filesystem::path& path, OziTrackReading reading,
                       ReadProgress* progress = nullptr);

    bool next(Item& item) override;
    void rewind() override;
    const std::filesystem::path& path() const override { return path_; }

private:
    void readPoint(Item& item);

    std::filesystem::path path_;
    OziTrackReading reading_;
    ReadProgress* progress_;
    std::optional<OziTrackReader> reader_;
    int startsGiven_ = 0;        // of the TrackStart and SegmentStart that come first
    bool pointPending_ = false;  // read, and given after its SegmentStart
    OziTrackPoint pending_;
};

// The two renderings of the point lines:
//   Stamped   an AlMap track's, which has no times: six decimals in print
//             style, altitude -777, the local time at which the line is
//             written; line 4 " reserved 3" and line 6 in print style:
//               " 37.5 , 127.25 , 0 ,-777 , 38299.6458333333 ,08-Nov-04,15:30:00"
//   Receiver  a recording's: seven decimals, the altitude in whole feet, the
//             point's local time (the clock's for a point without one);
//             line 4 "reserved 3", line 6 plain:
//               "48.1173017,11.5166667, 0 ,1789,34416.899525,1994/03/23,21:35:19"
enum class OziTrackStyle : std::uint8_t { Stamped, Receiver };

struct OziTrackWriting {
    OziTrackOptions options;
    OziTrackStyle style = OziTrackStyle::Receiver;
    int timeZoneHours = 9;  // added to every UTC time
    // Line 6, the points to come, when known before the first: the header is
    // written at once. Without it, the point lines go to a scratch copy of
    // the output and the header is written last, with the points counted and
    // the first track's name; the lines follow it.
    std::optional<std::uint64_t> pointCount;
    // Line 5, in the file's code page; a first track's name written last
    // takes its place.
    std::string trackName;
    bool trackNameReplaced = false;  // it lost characters to the code page
};

class OziTrackItemWriter final : public ItemWriter {
public:
    // Writes the six header lines.
    OziTrackItemWriter(OutputFile& output, const OziTrackWriting& writing, const Clock& clock,
                       const TextEncoding& encoding);

    void write(const Item& item) override;
    // Writes the header and the lines, when the header comes last.
    void finish() override;
    Dropped dropped() const override { return dropped_; }
    bool charactersReplaced() const override { return replaced_; }

private:
    const std::string& stampedLine(const Item& item, bool startsSegment);
    const std::string& receiverLine(const Item& item, bool startsSegment);
    // Fields 5 to 7 for the local time, kept while it stays the same.
    const std::string& timeFields(const DateTime& local);

    void writeHeader(std::uint64_t pointCount);

    OutputFile& output_;
    std::optional<OutputFile> scratch_;  // the point lines, when the header comes last
    OziTrackOptions options_;
    std::string trackName_;
    const TextEncoding& encoding_;
    std::uint64_t points_ = 0;
    bool replaced_ = false;
    OziTrackStyle style_;
    int timeZoneHours_;
    const Clock& clock_;
    Dropped dropped_;
    std::uint64_t tracks_ = 0;
    std::uint64_t segments_ = 0;
    bool breakPending_ = false;  // the next point begins a segment
    std::optional<DateTime> lastTime_;
    std::string timeFields_;
    std::string line_;
};

}  // namespace morlindo
