#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <functional>
#include <map>

#include "io/error.h"
#include "io/system_text.h"

namespace morlindo::cli {
namespace {

std::string lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool isSource(FileKind kind) {
    for (const Conversion& row : conversions()) {
        for (const FileKind source : row.sources) {
            if (source == kind) return true;
        }
    }
    return false;
}

bool isTarget(FileKind kind) {
    for (const Conversion& row : conversions()) {
        if (row.target == kind) return true;
    }
    return false;
}

// "a, b or c": the words joined as a sentence lists them, or with the
// separator given ("a|b|c").
std::string joinedWords(const std::vector<std::string>& words, std::string_view separator = {}) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) {
            text += !separator.empty()      ? std::string(separator)
                    : i + 1 == words.size() ? std::string(" or ")
                                            : std::string(", ");
        }
        text += words[i];
    }
    return text;
}

// The short names (or, with prefix ".", the extensions) of the kinds that
// pass the test, in the table's order.
std::string kindNames(bool (*test)(FileKind), std::string_view prefix = {},
                      std::string_view separator = {}) {
    std::vector<std::string> names;
    for (const FileKindInfo& info : fileKinds()) {
        if (test(info.kind)) names.push_back(std::string(prefix) + std::string(info.shortName));
    }
    return joinedWords(names, separator);
}

// The short names of the kinds a source converts to.
std::vector<std::string> targetsOf(FileKind source) {
    std::vector<std::string> names;
    for (const FileKindInfo& info : fileKinds()) {
        if (conversionBetween(source, info.kind)) names.emplace_back(info.shortName);
    }
    return names;
}

// "alr converts to plt, rte or wpt, plt to alr, nmea to alr or plt".
std::string whatConvertsToWhat() {
    std::string text;
    for (const FileKindInfo& info : fileKinds()) {
        if (!isSource(info.kind)) continue;
        text += text.empty() ? std::string(info.shortName) + " converts to "
                             : ", " + std::string(info.shortName) + " to ";
        text += joinedWords(targetsOf(info.kind));
    }
    return text;
}

// One line of the help's list of kinds: "  alr   AlMap track   -> plt, rte, wpt".
std::string kindLine(const FileKindInfo& info) {
    std::string line = "  " + std::string(info.shortName);
    line.resize(8, ' ');
    line += info.description;
    const auto targets = targetsOf(info.kind);
    if (!targets.empty()) {
        line.resize(32, ' ');
        line += "-> " + joinedWords(targets, ", ");
    }
    return line + "\n";
}

// Characters, not bytes, of UTF-8 text.
std::size_t characterCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::optional<int> parseWholeNumber(const std::string& text) {
    const char* begin = text.data() + (text.starts_with('+') ? 1 : 0);
    int value = 0;
    const auto result = std::from_chars(begin, text.data() + text.size(), value);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size() ||
        begin == result.ptr) {
        return std::nullopt;
    }
    return value;
}

std::optional<DateTime> parseLocalTime(const std::string& text) {
    DateTime value;
    std::array<int*, 6> parts{&value.year, &value.month,  &value.day,
                              &value.hour, &value.minute, &value.second};
    static constexpr std::array<std::size_t, 6> kOffsets{0, 5, 8, 11, 14, 17};
    static constexpr std::array<std::size_t, 6> kWidths{4, 2, 2, 2, 2, 2};
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':') {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const char* begin = text.data() + kOffsets[i];
        const auto result = std::from_chars(begin, begin + kWidths[i], *parts[i]);
        if (result.ec != std::errc{} || result.ptr != begin + kWidths[i]) return std::nullopt;
    }
    if (!isValidDateTime(value)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<DateTime> parseDate(const std::string& text) {
    if (text.size() != 10) return std::nullopt;
    return parseLocalTime(text + "T00:00:00");
}

namespace {

using OptionHandler = std::function<void(Request&, const std::string&)>;

void requireLength(const std::string& option, const std::string& value, std::size_t limit) {
    if (characterCount(value) > limit) {
        throw UsageError(option + " takes at most " + std::to_string(limit) +
                         " characters, not \"" + value + "\"");
    }
}

std::int32_t colorValue(const std::string& option, const std::string& value) {
    const auto color = parseColor(value);
    if (!color) {
        throw UsageError(option +
                         " takes #RRGGBB or one of black, white, red, green, blue, "
                         "yellow, cyan, magenta, not \"" +
                         value + "\"");
    }
    return *color;
}

void takeOutputFolder(Request& request, const std::string& value) {
    if (value.empty()) throw UsageError("--output-dir needs a folder");
    request.outputFolder = pathFromUtf8(value);
}

const std::map<std::string, OptionHandler>& valueOptions() {
    static const std::map<std::string, OptionHandler> handlers{
        {"--to",
         [](Request& r, const std::string& v) {
             const auto kind = fileKindNamed(v);
             if (!kind || !isTarget(*kind)) {
                 throw UsageError("--to takes " + kindNames(isTarget) + ", not \"" + v + "\"");
             }
             r.target = *kind;
         }},
        {"--from",
         [](Request& r, const std::string& v) {
             const auto kind = fileKindNamed(v);
             if (!kind || !isSource(*kind)) {
                 throw UsageError("--from takes " + kindNames(isSource) + ", not \"" + v + "\"");
             }
             r.source = *kind;
         }},
        {"--line-width",
         [](Request& r, const std::string& v) {
             if (v != "1" && v != "2")
                 throw UsageError("--line-width takes 1 or 2, not \"" + v + "\"");
             r.options.track.lineWidth = r.options.nmeaTrack.lineWidth = v;
         }},
        {"--track-type",
         [](Request& r, const std::string& v) {
             const std::string type = lowercase(v);
             if (type != "polyline" && type != "polygon") {
                 throw UsageError("--track-type takes polyline or polygon, not \"" + v + "\"");
             }
             r.options.track.trackType = r.options.nmeaTrack.trackType =
                 type == "polygon" ? kTrackTypePolygon : kTrackTypePolyline;
         }},
        {"--color",
         [](Request& r, const std::string& v) {
             r.options.track.trackColor = r.options.nmeaTrack.trackColor =
                 r.options.route.routeColor = colorValue("--color", v);
         }},
        {"--waypoint-color",
         [](Request& r, const std::string& v) {
             r.options.route.waypointForeColor = r.options.waypoints.waypointForeColor =
                 colorValue("--waypoint-color", v);
         }},
        {"--waypoint-background",
         [](Request& r, const std::string& v) {
             r.options.route.waypointBackColor = r.options.waypoints.waypointBackColor =
                 colorValue("--waypoint-background", v);
         }},
        {"--route-name",
         [](Request& r, const std::string& v) {
             requireLength("--route-name", v, 8);
             r.options.route.routeName = v;
         }},
        {"--route-description",
         [](Request& r, const std::string& v) { r.options.route.routeDescription = v; }},
        {"--prefix",
         [](Request& r, const std::string& v) {
             requireLength("--prefix", v, 7);
             r.options.waypoints.namePrefix = v;
         }},
        {"--time-zone",
         [](Request& r, const std::string& v) {
             const auto hours = parseWholeNumber(v);
             if (!hours || *hours < -12 || *hours > 13) {
                 throw UsageError("--time-zone takes whole hours from -12 to 13, not \"" + v +
                                  "\"");
             }
             r.options.nmeaTrack.timeZoneHours = r.options.gpx.timeZoneHours = *hours;
         }},
        {"--output-dir", takeOutputFolder},
        {"-o", takeOutputFolder},
        {"--encoding",
         [](Request& r, const std::string& v) {
             const auto encoding = TextEncoding::named(v);
             if (!encoding) {
                 throw UsageError(
                     "--encoding takes the name of a code page this system knows, "
                     "such as CP949, CP1252 or UTF-8, not \"" +
                     v + "\"");
             }
             r.encoding = *encoding;
         }},
        {"--date",
         [](Request& r, const std::string& v) {
             r.options.nmeaReading.date = parseDate(v);
             if (!r.options.nmeaReading.date) {
                 throw UsageError("--date takes a date as YYYY-MM-DD, not \"" + v + "\"");
             }
         }},
        {"--now",
         [](Request& r, const std::string& v) {
             r.now = parseLocalTime(v);
             if (!r.now) {
                 throw UsageError("--now takes a local time as YYYY-MM-DDTHH:MM:SS, not \"" + v +
                                  "\"");
             }
         }},
    };
    return handlers;
}

bool handleFlag(Request& request, const std::string& argument) {
    if (argument == "-h" || argument == "--help") return request.showHelp = true;
    if (argument == "--version") return request.showVersion = true;
    if (argument == "-q" || argument == "--quiet") return request.quiet = true;
    if (argument == "-r" || argument == "--recursive") return request.recursive = true;
    if (argument == "-n" || argument == "--no-overwrite") return request.noOverwrite = true;
    if (argument == "--json") return request.json = true;
    if (argument == "--ignore-checksums") return request.options.nmeaReading.ignoreChecksums = true;
    return false;
}

}  // namespace

std::optional<std::int32_t> parseColor(const std::string& text) {
    static const std::map<std::string, std::int32_t> kNamed{
        {"black", 0x000000}, {"white", 0xFFFFFF},  {"red", 0x0000FF},  {"green", 0x00FF00},
        {"blue", 0xFF0000},  {"yellow", 0x00FFFF}, {"cyan", 0xFFFF00}, {"magenta", 0xFF00FF}};
    if (const auto found = kNamed.find(lowercase(text)); found != kNamed.end())
        return found->second;
    if (text.size() != 7 || text[0] != '#') return std::nullopt;
    std::uint32_t rgb = 0;
    const auto result = std::from_chars(text.data() + 1, text.data() + 7, rgb, 16);
    if (result.ec != std::errc{} || result.ptr != text.data() + 7) return std::nullopt;
    const std::uint32_t red = rgb >> 16 & 0xFF, green = rgb >> 8 & 0xFF, blue = rgb & 0xFF;
    return static_cast<std::int32_t>(red + 256 * green + 65536 * blue);
}

Request parseCommandLine(const std::vector<std::string>& arguments) {
    Request request;
    bool sawTarget = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.starts_with('-')) {
            request.files.push_back(pathFromUtf8(argument));
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (handleFlag(request, argument)) continue;
        std::optional<std::string> value;
        if (const auto equals = argument.find('='); equals != std::string::npos) {
            value = argument.substr(equals + 1);
            argument.resize(equals);
        }
        const auto handler = valueOptions().find(argument);
        if (handler == valueOptions().end()) throw UsageError("unknown option " + argument);
        if (!value) {
            if (i + 1 == arguments.size()) throw UsageError(argument + " needs a value");
            value = arguments[++i];
        }
        handler->second(request, *value);
        sawTarget = sawTarget || argument == "--to";
    }
    if (request.showHelp || request.showVersion) return request;
    if (!sawTarget) throw UsageError("say what to convert to with --to " + kindNames(isTarget));
    if (request.files.empty()) throw UsageError("name at least one file or folder to convert");
    return request;
}

ConversionKind conversionFor(const Request& request, const std::filesystem::path& file) {
    std::optional<FileKind> source = request.source;
    if (!source) {
        source = fileKindOf(file);
        if (!source || !isSource(*source)) {
            throw UsageError("cannot tell what kind of file " + displayPath(file) +
                             " is: it reads " + readExtensionsText());
        }
    }
    const auto kind = conversionBetween(*source, request.target);
    if (!kind) {
        throw UsageError("cannot convert " + std::string(fileKindInfo(*source).shortName) + " to " +
                         std::string(fileKindInfo(request.target).shortName) + " (" +
                         displayPath(file) + "); " + whatConvertsToWhat());
    }
    return *kind;
}

std::string helpText() {
    std::string text = "Usage: morlindo --to {" + kindNames(isTarget, "", "|") + "} [--from {" +
                       kindNames(isSource, "", "|") + "}] [options] FILE|FOLDER...\n";
    text += "       morlindo info [--json] [--from KIND] FILE...\n";
    text += R"(
Converts GPS track files. Each output is written beside its input (or into the
folder of --output-dir), under the input's name less its last extension with
the new extension.

)";
    for (const FileKindInfo& info : fileKinds()) text += kindLine(info);
    text += R"(
The kind of each FILE comes from --from, or else from its extension. A FOLDER
stands for the files in it, in name order, of the kind --from names or else of
every kind that converts to the --to kind; hidden files are left out. On
Windows, morlindo itself expands "*" and "?" in a FILE, as other systems'
shells do: "*" stands for any characters, "?" for one, in any letter case.

Options:
  --to KIND                     what to convert to
  --from KIND                   read every FILE as this kind
  -o, --output-dir DIR          write every output into DIR, created if missing
  -r, --recursive               take a FOLDER's subfolders too (links to folders
                                are not followed); with -o, DIR gets the same
                                subfolders
  -n, --no-overwrite            leave an output that exists alone and report
                                its input as skipped
  --line-width 1|2              track line width (2)
  --track-type polyline|polygon track type (polyline)
  --color COLOR                 track colour (.plt) and route colour (.rte) (red)
  --route-name NAME             route name, at most 8 characters (R0)
  --route-description TEXT      route description (empty)
  --waypoint-color COLOR        waypoint foreground colour (red)
  --waypoint-background COLOR   waypoint background colour (white)
  --prefix TEXT                 waypoint name prefix, at most 7 characters (WPT)
  --time-zone HOURS             the local time zone, -12 to 13 (9): hours added to
                                NMEA and GPX times (UTC) written into .plt, taken
                                from .plt times written into .gpx
  --encoding NAME               code page of the names and descriptions written
                                into .plt, .rte and .wpt files, such as CP949 or
                                CP1252 (the system's)
  --now YYYY-MM-DDTHH:MM:SS     stamp AlMap -> .plt points with this local time
                                instead of the clock
  --date YYYY-MM-DD             the UTC date of an NMEA log that holds none (no
                                RMC or ZDA sentence): the date of its first fix
  --ignore-checksums            read NMEA sentences whose checksum is wrong
  --json                        print one JSON object per file on stdout
                                (input, output, points, status, error) in
                                place of the lines for people
  -q, --quiet                   print nothing for files that convert or are
                                skipped, and no progress
  -h, --help                    show this help
  --version                     show the version

COLOR is #RRGGBB or one of black, white, red, green, blue, yellow, cyan,
magenta.

On a terminal, a batch of several files (or one file of 8 MiB or more) shows
its progress on one line of stderr and ends with a summary there.

Examples:
  morlindo --to plt walk.alr            walk.alr -> walk.plt
  morlindo --to alr -o tracks card/GPS  every .plt and .nmea in card/GPS into
                                        tracks
  morlindo --to plt -r -o out logs      every .alr below logs into out, in the
                                        same subfolders
  morlindo --to alr -n logs             only the files not converted before
  morlindo --to plt --json *.alr        a JSON line per file, for scripts

morlindo info shows what each FILE holds, without converting it: its points,
length, first and last time, latitudes and longitudes, altitudes and ascent,
and for a log its lines and the sentences passed over; --json prints one JSON
object per file instead. Exit status 1 when a file cannot be read.

Exit status: 0 when every file converted or was skipped, 1 when any failed
(the others are still converted), 2 when the command line is wrong (nothing is
converted then).
)";
    return text;
}

}  // namespace morlindo::cli
