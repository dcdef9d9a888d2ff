// The OziExplorer route file (.rte): four header lines
//   "OziExplorer Route File Version 1.0", "WGS 84", "reserved 1", "reserved 2"
// then per route an R line and a W line per route point:
//   R  1 route number  2 name  3 description  4 colour
//   W  1 route number  2 point number within the route  3 waypoint number
//      4 name  5 latitude  6 longitude  7 day number (UTC here)  8 symbol
//      9 status  10 map display format  11 foreground colour
//      12 background colour  13 description ("0": none)  14 pointer direction
// Routes are numbered from 0, waypoints from 1 through the whole file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/item_stream.h"
#include "formats/ozi_text_file.h"
#include "io/text_encoding.h"

namespace morlindo {

// Texts are UTF-8; they are written in the file's code page. The name and
// description are those of a route made of a track's points.
struct OziRouteOptions {
    std::string routeName = "R0";
    std::string routeDescription;
    std::int32_t routeColor = 255;  // colours are 0x00BBGGRR
    std::int32_t waypointForeColor = 255;
    std::int32_t waypointBackColor = 16777215;
};

// Yields a RouteStart per R line and a RoutePoint per W line.
class OziRouteReader final : public ItemReader {
public:
    explicit OziRouteReader(const std::filesystem::path& path, ReadProgress* progress = nullptr);

    bool next(Item& item) override;
    void rewind() override;
    const std::filesystem::path& path() const override { return lines_.path(); }

private:
    OziRecordLines lines_;
    std::vector<std::string_view> fields_;
    bool inRoute_ = false;
};

// Writes every route; tracks and waypoints cannot be held.
class OziRouteWriter final : public ItemWriter {
public:
    // Writes the header.
    OziRouteWriter(OutputFile& output, const OziRouteOptions& options,
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
    std::string routeColor_;
    std::string pointMiddle_;    // fields 8 to 12 with their commas
    std::string noDescription_;  // field 13 without a description
    std::string pointEnd_;       // field 14 with its comma
    std::int64_t routes_ = 0;
    std::int64_t pointsInRoute_ = 0;
    std::int64_t waypoints_ = 0;
    Dropped dropped_;
    std::string line_;
};

}  // namespace morlindo
