// The items of the option lists on the conversion tabs, with the item
// selected at start. Where an item carries a tag, the converters read the
// tag instead of the text.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace morlindo::ui {

struct OptionItem {
    std::string_view text;
    int tag;
};

// Track line width: the converters take the item's text.
inline constexpr std::array<OptionItem, 2> kLineWidths{{{"1", 0}, {"2", 0}}};
inline constexpr int kLineWidthStart = 1;

// Track line type: the converters take the tag.
inline constexpr std::array<OptionItem, 2> kTrackTypes{{{"PolyLine", 0}, {"Polygon", 10}}};
inline constexpr int kTrackTypeStart = 0;

// Time zones: whole hours from -12 to +13, labelled "GMT-12" to "GMT+13".
// The shift applied to the NMEA times is the number in the label.
inline constexpr int kTimeZoneCount = 26;
inline constexpr int kTimeZoneStart = 21;  // "GMT+9"

int timeZoneHoursAt(int index);
std::string timeZoneLabel(int index);

}  // namespace morlindo::ui
