// Facts about the program that the window shows: the window title built
// from the version, and the text of the About box.
#pragma once

#include <string>
#include <string_view>

namespace morlindo::ui {

inline constexpr std::string_view kAuthorCredit = "Made by the MorlindoConverter developers";

// "AlMap Track & NMEA <--> Ozi Track/Route/WayPoints & NMEA(Ver. 1.1.1)".
std::string mainWindowTitle();

// Two lines joined by CR LF, each padded with ten spaces on both sides: the
// program name with its version (the same as the title's), and the credit.
std::string aboutText(std::string_view credit = kAuthorCredit);

}  // namespace morlindo::ui
