#include "formats/nmea_items.h"

namespace morlindo {

NmeaItemReader::NmeaItemReader(const std::filesystem::path& path, NmeaReading reading,
                               ReadProgress* progress, const NmeaReadOptions& options)
    : reader_(path, progress, options), reading_(reading) {}

bool NmeaItemReader::next(Item& item) {
    if (startsGiven_ < 2) {
        item = Item{};
        item.kind = startsGiven_++ == 0 ? ItemKind::TrackStart : ItemKind::SegmentStart;
        return true;
    }
    const auto fix =
        reading_ == NmeaReading::Paired ? reader_.nextPairedFix() : reader_.nextGgaFix();
    if (!fix) return false;
    item.kind = ItemKind::Point;
    item.latitude = fix->latitude;
    item.longitude = fix->longitude;
    item.altitudeMeters = fix->altitudeMeters;
    if (reading_ == NmeaReading::Paired) {
        item.utcTime = fix->utcTime;
    } else {
        item.utcTime.reset();
    }
    item.name.clear();
    item.description.clear();
    item.line = 0;
    return true;
}

void NmeaItemReader::rewind() {
    reader_.rewind();
    startsGiven_ = 0;
}

}  // namespace morlindo
