#include "cli/info_command.h"

#include <charconv>
#include <cstdio>
#include <optional>

#include "cli/command_line.h"
#include "cli/output_text.h"
#include "convert/track_statistics.h"
#include "io/error.h"
#include "io/system_text.h"

namespace morlindo::cli {
namespace {

struct InfoRequest {
    bool json = false;
    std::optional<FileKind> kind;
    NmeaReadOptions reading;
    std::vector<std::filesystem::path> files;
};

std::optional<InfoRequest> parseInfo(const std::vector<std::string>& arguments, std::ostream& err) {
    InfoRequest request;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--json") {
            request.json = true;
        } else if (argument == "--from" && i + 1 < arguments.size()) {
            request.kind = fileKindNamed(arguments[++i]);
            if (!request.kind) {
                err << "morlindo: --from takes a kind of file such as alr, plt or nmea, not \""
                    << arguments[i] << "\"\n";
                return std::nullopt;
            }
        } else if (argument == "--ignore-checksums") {
            request.reading.ignoreChecksums = true;
        } else if (argument == "--date" && i + 1 < arguments.size()) {
            request.reading.date = parseDate(arguments[++i]);
            if (!request.reading.date) {
                err << "morlindo: --date takes a date as YYYY-MM-DD, not \"" << arguments[i]
                    << "\"\n";
                return std::nullopt;
            }
        } else if (argument.starts_with('-') && argument != "-") {
            err << "morlindo: info takes --json, --from KIND, --date DATE, --ignore-checksums "
                   "and files, not "
                << argument << "\n";
            return std::nullopt;
        } else {
            request.files.push_back(pathFromUtf8(argument));
        }
    }
    if (request.files.empty()) {
        err << "morlindo: name at least one file for info\n";
        return std::nullopt;
    }
    return request;
}

std::string timeText(const DateTime& time, bool local, char separator) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d%c%02d:%02d:%02d", time.year, time.month,
                  time.day, separator, time.hour, time.minute, time.second);
    return std::string(text) + (local ? "" : separator == 'T' ? "Z" : " UTC");
}

std::string durationText(std::int64_t seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return text;
}

void printBlock(std::ostream& out, const std::filesystem::path& file, const TrackStatistics& s) {
    const auto line = [&out](const char* label, const std::string& value) {
        out << "  " << label << std::string(11 - std::char_traits<char>::length(label), ' ')
            << value << "\n";
    };
    out << displayPath(file) << "\n";
    line("kind:", std::string(fileKindInfo(s.kind).description));
    line("holds:", std::to_string(s.tracks) + " tracks, " + std::to_string(s.segments) +
                       " segments, " + std::to_string(s.waypoints) + " waypoints, " +
                       std::to_string(s.routes) + " routes");
    line("points:", std::to_string(s.points));
    line("length:", decimalText(s.lengthKm, kLengthDecimals) + " km");
    if (s.firstTime && s.lastTime) {
        line("start:", timeText(*s.firstTime, s.timesAreLocal, ' ') +
                           (s.timesAreLocal ? " (local time)" : ""));
        line("end:", timeText(*s.lastTime, s.timesAreLocal, ' ') +
                         (s.timesAreLocal ? " (local time)" : ""));
        if (const auto seconds = s.durationSeconds()) {
            line("duration:",
                 durationText(*seconds) + (s.timesInOrder ? "" : " (the times are not in order)"));
        }
    }
    if (s.bounds) {
        line("latitude:", decimalText(s.bounds->south, kCoordinateDecimals) + " to " +
                              decimalText(s.bounds->north, kCoordinateDecimals));
        line("longitude:", decimalText(s.bounds->west, kCoordinateDecimals) + " to " +
                               decimalText(s.bounds->east, kCoordinateDecimals));
    }
    if (s.lowestMeters && s.highestMeters) {
        line("altitude:", decimalText(*s.lowestMeters, kAltitudeDecimals) + " m to " +
                              decimalText(*s.highestMeters, kAltitudeDecimals) + " m, ascent " +
                              decimalText(s.ascentMeters, kAltitudeDecimals) + " m");
    }
    if (s.linesRead && s.sentencesPassedOver) {
        const std::uint64_t bad = s.badChecksums.value_or(0);
        line("lines:", std::to_string(*s.linesRead) + ", passed over " +
                           std::to_string(*s.sentencesPassedOver) +
                           (bad > 0 ? ", bad checksum " + std::to_string(bad) : ""));
    }
}

void printJson(std::ostream& out, const std::filesystem::path& file, const TrackStatistics& s) {
    out << "{\"file\":" << jsonPathString(file)
        << ",\"kind\":" << jsonString(fileKindInfo(s.kind).shortName) << ",\"points\":" << s.points
        << ",\"lengthKm\":" << decimalText(s.lengthKm, kLengthDecimals);
    if (s.firstTime && s.lastTime) {
        out << ",\"start\":" << jsonString(timeText(*s.firstTime, s.timesAreLocal, 'T'))
            << ",\"end\":" << jsonString(timeText(*s.lastTime, s.timesAreLocal, 'T'));
        if (const auto seconds = s.durationSeconds()) out << ",\"durationSeconds\":" << *seconds;
    }
    if (s.bounds) {
        out << ",\"south\":" << decimalText(s.bounds->south, kCoordinateDecimals)
            << ",\"west\":" << decimalText(s.bounds->west, kCoordinateDecimals)
            << ",\"north\":" << decimalText(s.bounds->north, kCoordinateDecimals)
            << ",\"east\":" << decimalText(s.bounds->east, kCoordinateDecimals);
    }
    if (s.lowestMeters && s.highestMeters) {
        out << ",\"lowestMeters\":" << decimalText(*s.lowestMeters, kAltitudeDecimals)
            << ",\"highestMeters\":" << decimalText(*s.highestMeters, kAltitudeDecimals)
            << ",\"ascentMeters\":" << decimalText(s.ascentMeters, kAltitudeDecimals);
    }
    if (s.linesRead && s.sentencesPassedOver) {
        out << ",\"lines\":" << *s.linesRead << ",\"passedOver\":" << *s.sentencesPassedOver
            << ",\"badChecksums\":" << s.badChecksums.value_or(0);
    }
    out << ",\"tracks\":" << s.tracks << ",\"segments\":" << s.segments
        << ",\"waypoints\":" << s.waypoints << ",\"routes\":" << s.routes
        << ",\"timesInOrder\":" << (s.timesInOrder ? "true" : "false") << "}\n";
}

}  // namespace

int runInfo(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const auto request = parseInfo(arguments, err);
    if (!request) return 2;
    int status = 0;
    for (std::size_t i = 0; i < request->files.size(); ++i) {
        const auto& file = request->files[i];
        try {
            const TrackStatistics statistics = trackStatisticsOf(file, request->kind, nullptr, request->reading);
            if (request->json) {
                printJson(out, file, statistics);
            } else {
                if (i > 0) out << "\n";
                printBlock(out, file, statistics);
            }
        } catch (const Error& error) {
            // Scripts get one object per file, the failures among them.
            if (request->json) {
                out << "{\"file\":" << jsonPathString(file)
                    << ",\"error\":" << jsonString(error.what()) << "}\n";
            } else {
                err << "morlindo: " << error.what() << "\n";
            }
            status = 1;
        }
        out.flush();
    }
    return status;
}

}  // namespace morlindo::cli
