// The NMEA log (.nmea) as a stream of items: its fixes are the points of
// one track of one segment. Which fixes, and what each carries, is the
// reading, chosen by the conversion:
//   Paired   one fix per epoch, at its own time: position, altitude, time
//   GgaOnly  each GGA with a fix: position only
// The read options (a date for a log without one, checksums ignored) hold
// for both.
#pragma once

#include <cstdint>
#include <filesystem>

#include "formats/item_stream.h"
#include "formats/nmea_log.h"

namespace morlindo {

enum class NmeaReading : std::uint8_t { Paired, GgaOnly };

class NmeaItemReader final : public ItemReader {
public:
    NmeaItemReader(const std::filesystem::path& path, NmeaReading reading,
                   ReadProgress* progress = nullptr, const NmeaReadOptions& options = {});

    bool next(Item& item) override;
    void rewind() override;
    const std::filesystem::path& path() const override { return reader_.path(); }

    // The log's reading so far: its lines, those passed over, its counts.
    const NmeaLogReader& log() const noexcept { return reader_; }

private:
    NmeaLogReader reader_;
    NmeaReading reading_;
    int startsGiven_ = 0;  // of the TrackStart and SegmentStart that come first
};

}  // namespace morlindo
