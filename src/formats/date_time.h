// Dates and times as the OziExplorer files carry them: the day number of a
// civil date-time (days since 1899-12-30 00:00:00, the time of day as the
// fraction), and the text patterns of the point lines; and the UTC time of
// the XML and JSON formats (GPX, KML, GeoJSON).
#pragma once

#include <string>

#include "io/civil_time.h"

namespace morlindo {

// Days since 1899-12-30 00:00:00: the whole seconds divided by 24, then by 60,
// then by 60, as three floating-point divisions.
double dayNumber(const DateTime& value);

// "DD-MMM-YY": "08-Nov-04".
std::string formatDayMonthNameYear(const DateTime& value);
// "YYYY/MM/DD": "2004/11/08".
std::string formatYearMonthDay(const DateTime& value);
// "HH:mm:ss", 24-hour clock: "15:30:00".
std::string formatTimeOfDay(const DateTime& value);

// "YYYY-MM-DDThh:mm:ssZ", a UTC time as xsd:dateTime and RFC 3339 write it:
// "2004-11-08T06:30:00Z". The year must lie within 1 to 9999.
void appendUtcDateTime(std::string& out, const DateTime& utc);

}  // namespace morlindo
