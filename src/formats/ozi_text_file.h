// What the OziExplorer waypoint (.wpt) and route (.rte) files share: text
// with CR LF line ends, four header lines (line 2 the datum), then one
// record a line of comma-separated fields. A reader of them goes line by
// line and fails on a fault with the file and the line; the writers render
// coordinates to six decimals in print style and day numbers as OziExplorer
// writes them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/civil_time.h"
#include "io/error.h"
#include "io/input_file.h"

namespace morlindo {

// The record lines of a .wpt or .rte file: the header is read (and its
// datum checked) on opening; next() gives each non-blank line after it,
// split at its commas.
class OziRecordLines {
public:
    OziRecordLines(const std::filesystem::path& path, ReadProgress* progress);

    // The fields of the next record line; false at the end of the file. A
    // DOS end-of-file byte (0x1A) alone on its line is passed over.
    bool next(std::vector<std::string_view>& fields);
    void rewind();

    const std::filesystem::path& path() const noexcept { return file_.path(); }
    std::int64_t lineNumber() const noexcept { return lines_.lineNumber(); }
    [[noreturn]] void fail(ReasonPattern pattern, std::vector<ReasonValue> values = {}) const;

    // Field `index` (from 0) as a number of degrees within the limit, or an
    // Error naming it.
    double coordinate(const std::vector<std::string_view>& fields, std::size_t index,
                      const char* what, double limit) const;

private:
    void readHeader();

    InputFile file_;
    LineReader lines_;
};

// Field `index` (from 0) of the fields, empty when the line has fewer.
std::string_view fieldAt(const std::vector<std::string_view>& fields, std::size_t index);
// A text field as the stream holds it: without blanks at either end.
std::string textField(const std::vector<std::string_view>& fields, std::size_t index);

// A day number field (days since 1899-12-30, the time of day as the
// fraction) to the nearest second; none when it is empty, not a number
// above 0 or after the year 9999.
std::optional<DateTime> parseOziDayNumber(std::string_view field);
// An altitude field in feet; none for -777, OziExplorer's "no altitude", or
// when it is not a number.
std::optional<double> parseOziAltitudeFeet(std::string_view field);

// Appends "latitude,longitude", each rounded to six decimals and in print
// style, as the waypoint and route files (and the AlMap rendering of a
// track) carry a point's coordinates.
void appendPrintedCoordinates(std::string& line, double latitude, double longitude);

}  // namespace morlindo
