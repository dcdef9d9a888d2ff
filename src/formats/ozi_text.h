// The text fields of the OziExplorer files (.plt, .rte, .wpt): the track name
// on line 5 of a track, the route name and description, the waypoint names.
// Their lines are fields separated by commas, without quoting, so a comma in
// a text would shift every field after it (a reader then takes a waypoint's
// latitude from its name) and a line break would end the line early. A text
// field therefore drops its commas, as GPSBabel does when it writes these
// files, and each control character (C0, DEL, C1) becomes a space.
// OziExplorer's own stand-in for a comma, the byte 0xD1, is not used: in code
// page 949 it leads a Hangul character.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace morlindo {

// UTF-8 text as a text field may hold it, still in UTF-8.
std::string oziTextField(std::string_view utf8);

// A file name (the track name) in the same way, on its own characters:
// UTF-16 on Windows, the name's bytes elsewhere.
std::filesystem::path oziFileNameField(const std::filesystem::path& name);

}  // namespace morlindo
