// The OziExplorer waypoint file (.wpt), version 1.1: four header lines
//   "OziExplorer Waypoint File Version 1.1", "WGS 84", "reserved 2", "garmin"
// then one waypoint a line, 15 comma-separated fields:
//   1 number  2 name  3 latitude  4 longitude  5 day number (the time, as
//   OziExplorer keeps it, UTC here)  6 symbol  7 status  8 map display format
//   9 foreground colour  10 background colour  11 description
//   12 pointer direction  13 garmin display format  14 proximity
//   15 altitude in feet (-777: none)
// The writer fills the fields as AlMap waypoints always had them; a waypoint
// without a name is named with the prefix and its number ("WPT001").
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/item_stream.h"
#include "formats/ozi_text_file.h"
#include "io/text_encoding.h"

namespace morlindo {

struct OziWaypointOptions {
    std::string namePrefix = "WPT";        // UTF-8; written in the file's code page
    std::int32_t waypointForeColor = 255;  // colours are 0x00BBGGRR
    std::int32_t waypointBackColor = 16777215;
};

// Yields every line as a Waypoint. Names and descriptions are passed on as
// the file holds them.
class OziWaypointsReader final : public ItemReader {
public:
    explicit OziWaypointsReader(const std::filesystem::path& path,
                                ReadProgress* progress = nullptr);

    bool next(Item& item) override;
    void rewind() override { lines_.rewind(); }
    const std::filesystem::path& path() const override { return lines_.path(); }

private:
    OziRecordLines lines_;
    std::vector<std::string_view> fields_;
};

// Writes every Waypoint; tracks and routes cannot be held.
class OziWaypointsWriter final : public ItemWriter {
public:
    // Writes the header.
    OziWaypointsWriter(OutputFile& output, const OziWaypointOptions& options,
                       const TextEncoding& encoding);

    void write(const Item& item) override;
    void finish() override {}
    Dropped dropped() const override { return dropped_; }
    bool charactersReplaced() const override { return replaced_; }

private:
    // A text field without commas and control characters, in the code page.
    std::string field(std::string_view utf8);

    OutputFile& output_;
    bool replaced_ = false;
    const TextEncoding& encoding_;
    std::string prefix_;
    std::string middle_;  // fields 6 to 10 with their commas
    std::uint64_t number_ = 0;
    Dropped dropped_;
    std::string line_;
};

}  // namespace morlindo
