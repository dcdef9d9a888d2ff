// The NMEA log (.nmea) as a stream of items: its fixes are the points of
// one track of one segment. Which fixes, and what each carries, is the
// reading, chosen by the conversion:
//   Paired   each GGA completed by the RMC after it: position, altitude, time
//   GgaOnly  each GGA with a fix: position only
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
                   ReadProgress* progress = nullptr);

    bool next(Item& item) override;
    void rewind() override;
    const std::filesystem::path& path() const override { return reader_.path(); }

    // The log's lines read so far, and those of them that were not empty.
    const NmeaLogReader& log() const noexcept { return reader_; }

private:
    NmeaLogReader reader_;
    NmeaReading reading_;
    int startsGiven_ = 0;  // of the TrackStart and SegmentStart that come first
};

}  // namespace morlindo
