// Reading the GPS Exchange file (.gpx, GPX 1.1 and 1.0), streamed through
// expat so that memory stays flat whatever the file's size.
//
// The items, in file order: every wpt (with its name and desc), every rte
// (name, desc) with its rtept, every trk (name, desc) with its trkseg and
// trkpt. Each point has the attributes lat and lon (decimal degrees) and may
// have the children ele (metres) and time (an xsd:dateTime). Elements count
// when they stand in the GPX 1.1 or 1.0 namespace or in none; extensions and
// every other element are passed over.
//
// Safety: no external entity or DTD is ever loaded, expat bounds how far
// internal entities may expand, and a single tag, comment or declaration
// longer than 1 MiB (which expat would hold whole) is an error; names and
// descriptions are cut after 4 KiB.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "formats/item_stream.h"
#include "io/civil_time.h"

namespace morlindo {

class ReadProgress;

// Reads the items of a GPX file one by one. Any fault of the file (not
// well-formed XML, an encoding expat does not know, no gpx root, a point
// without or with a bad lat or lon, a bad ele or time) is an Error naming the
// file and the line.
class GpxReader final : public ItemReader {
public:
    // progress, when given, hears how far the file has been read.
    explicit GpxReader(const std::filesystem::path& path, ReadProgress* progress = nullptr);
    ~GpxReader() override;
    GpxReader(const GpxReader&) = delete;
    GpxReader& operator=(const GpxReader&) = delete;

    bool next(Item& item) override;
    void rewind() override;
    const std::filesystem::path& path() const override;

private:
    class Parse;
    std::unique_ptr<Parse> parse_;
};

// An xsd:dateTime as GPX writes times, "YYYY-MM-DDThh:mm:ss", then an
// optional fraction of a second (dropped), then "Z", an offset "+hh:mm" or
// "-hh:mm", or nothing (UTC, as GPX defines). Blanks around it are allowed;
// "24:00:00" is the next day's midnight. The time in UTC, or nullopt when the
// text is no such time or the UTC time lies outside the years 1 to 9999.
std::optional<DateTime> parseXmlDateTime(std::string_view text);

}  // namespace morlindo
