// Waypoint names by GPS receiver model. A model fixes how many characters a
// waypoint name may have; the waypoint converter names points with a prefix
// and a running number of at least three digits, so the prefix may take 3
// characters when names are shorter than 10 and 7 otherwise, which keeps the
// first 999 names within 6 or 10 characters.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace morlindo::ui {

struct GpsModel {
    std::string_view name;
    int nameSize;  // characters
};

// In display order. The last entry, "Custom...", takes a size the user types.
inline constexpr std::array<GpsModel, 6> kGpsModels{{
    {"eTrex Yellow", 6},
    {"eTrex Venture", 10},
    {"eTrex Legend/Vista", 10},
    {"GPS V", 15},
    {"Geko 201", 6},
    {"Custom...", 6},
}};
inline constexpr int kStartGpsModel = 2;  // "eTrex Legend/Vista"

// The longest prefix a name size allows: 3 below 10, else 7.
int prefixLimitFor(int nameSize);

// The name size typed into the size box: its digits as a 16-bit signed
// number; nothing when the text is empty, holds anything but digits or is
// above 32767.
std::optional<int> nameSizeFromText(std::string_view text);

inline constexpr std::string_view kPrefixStart = "WPT";
inline constexpr int kPrefixLimitStart = 7;
// The number part of the first waypoint name.
inline constexpr std::string_view kFirstNumber = "001";

}  // namespace morlindo::ui
