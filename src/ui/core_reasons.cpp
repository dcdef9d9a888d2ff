// Every reason pattern the core throws an Error with, for Qt Linguist: the
// window translates a pattern at run time (ui/reason_text.cpp), and lupdate
// finds the patterns to translate here. A new throw site in the core adds
// its pattern to this list; the test ui.translations fails while a pattern
// of the core is missing here or has no Korean translation.
#include <QtGlobal>

namespace morlindo::ui {

[[maybe_unused]] constexpr const char* kCoreReasons[] = {
    // io
    QT_TRANSLATE_NOOP("CoreReason", "cannot open it: it is a folder, not a file"),
    QT_TRANSLATE_NOOP("CoreReason", "cannot open it: it is not a regular file"),
    QT_TRANSLATE_NOOP("CoreReason", "cannot open it: %1"),
    QT_TRANSLATE_NOOP("CoreReason", "cannot read its length: %1"),
    QT_TRANSLATE_NOOP("CoreReason", "cannot read it: %1"),
    QT_TRANSLATE_NOOP("CoreReason",
                      "the file ended early; was it changed while it was being read?"),
    QT_TRANSLATE_NOOP("CoreReason", "cannot write it: a folder of that name is in the way"),
    QT_TRANSLATE_NOOP("CoreReason", "cannot create it: %1"),
    QT_TRANSLATE_NOOP("CoreReason", "cannot write it: %1"),
    QT_TRANSLATE_NOOP("CoreReason", "cannot replace it: %1"),
    QT_TRANSLATE_NOOP("CoreReason", "the file is write-protected"),
    QT_TRANSLATE_NOOP("CoreReason",
                      "the output would replace this input file; rename the input first"),
    // formats
    QT_TRANSLATE_NOOP("CoreReason",
                      "the file ends before line 6, which gives the number of points; "
                      "it is not an OziExplorer track file"),
    QT_TRANSLATE_NOOP("CoreReason", "the line is too long for a track file"),
    QT_TRANSLATE_NOOP("CoreReason", "the number of points %1 is not a number"),
    QT_TRANSLATE_NOOP("CoreReason",
                      "the file ends after %1 of the %2 point lines that line 6 announces"),
    QT_TRANSLATE_NOOP("CoreReason",
                      "a point line needs a latitude and a longitude separated by \",\""),
    QT_TRANSLATE_NOOP("CoreReason", "latitude %1 is not a number"),
    QT_TRANSLATE_NOOP("CoreReason",
                      "this is not an AlMap track file: it does not begin with the AlMap "
                      "track signature"),
    QT_TRANSLATE_NOOP("CoreReason",
                      "the file ends %1 bytes into record %2; it was cut short or is not an AlMap "
                      "track file"),
    QT_TRANSLATE_NOOP("CoreReason",
                      "record %1: the %2 %3 is not a number of degrees from -%4 to %4; "
                      "this is not an AlMap track file"),
    QT_TRANSLATE_NOOP("CoreReason", "longitude %1 is not a number"),
    QT_TRANSLATE_NOOP("CoreReason",
                      "the log has no date (no RMC or ZDA sentence); give the date with --date"),
    QT_TRANSLATE_NOOP("CoreReason",
                      "every sentence has a wrong checksum (%1 sentences); --ignore-checksums "
                      "reads them anyway"),
    // convert
    QT_TRANSLATE_NOOP("CoreReason",
                      "the log changed while it was being converted; convert it again"),
    QT_TRANSLATE_NOOP("CoreReason", "cannot tell what kind of file it is from its extension"),
    QT_TRANSLATE_NOOP("CoreReason", "cannot tell what kind of file it is: it reads %1"),
    // GPX
    QT_TRANSLATE_NOOP("CoreReason", "the root element is not gpx; this is not a GPX file"),
    QT_TRANSLATE_NOOP("CoreReason", "the point has no %1 attribute"),
    QT_TRANSLATE_NOOP("CoreReason",
                      "the %1 %2 of the point is not a number of degrees from -%3 to %3"),
    QT_TRANSLATE_NOOP("CoreReason", "the ele %1 is not a number of metres"),
    QT_TRANSLATE_NOOP("CoreReason", "the time %1 is not a date and time like 2004-11-08T06:30:00Z"),
    QT_TRANSLATE_NOOP("CoreReason",
                      "the file declares the text encoding %1, which this system cannot read"),
    QT_TRANSLATE_NOOP("CoreReason", "not valid UTF-8 (the file declares UTF-8)"),
    QT_TRANSLATE_NOOP("CoreReason", "the file is not well-formed XML: %1"),
    QT_TRANSLATE_NOOP("CoreReason",
                      "a tag, comment or declaration is longer than 1 MiB; this is not a GPX file"),
    QT_TRANSLATE_NOOP("CoreReason",
                      "the file changed while it was being converted; convert it again"),
    QT_TRANSLATE_NOOP("CoreReason",
                      "point %1 at latitude %2, longitude %3 lies outside what GPX holds (latitude "
                      "-90 to 90, longitude -180 to 180)"),
    // the stream of items: OziExplorer datums, waypoint and route files, targets
    QT_TRANSLATE_NOOP("CoreReason", "datum %1 is not WGS 84; convert the file to WGS 84 first"),
    QT_TRANSLATE_NOOP("CoreReason",
                      "the file ends before line 4, the last line of its header; it is not an "
                      "OziExplorer waypoint or route file"),
    QT_TRANSLATE_NOOP("CoreReason", "the line is too long for a waypoint or route file"),
    QT_TRANSLATE_NOOP("CoreReason", "the %1 %2 is not a number of degrees from -%3 to %3"),
    QT_TRANSLATE_NOOP("CoreReason",
                      "the line is neither a route line (R) nor a route point line (W)"),
    QT_TRANSLATE_NOOP("CoreReason", "a route point line (W) comes before any route line (R)"),
    QT_TRANSLATE_NOOP("CoreReason", "no track points (the file holds %1: convert it to %2)"),
    QT_TRANSLATE_NOOP("CoreReason", "no waypoints (the file holds %1: convert it to %2)"),
    QT_TRANSLATE_NOOP("CoreReason", "no route points (the file holds %1: convert it to %2)"),
    // KML, GeoJSON and AlMap tracks
    QT_TRANSLATE_NOOP("CoreReason",
                      "point %1 at latitude %2, longitude %3 lies outside what %4 holds (latitude "
                      "-90 to 90, longitude -180 to 180)"),
};

}  // namespace morlindo::ui
