#include "convert/conversion_result.h"

#include <system_error>

namespace morlindo {
namespace {

void addPart(std::string& text, const std::string& part) {
    if (!text.empty()) text += ", ";
    text += part;
}

void addCount(std::string& text, std::uint64_t count, const char* one, const char* many) {
    if (count > 0) addPart(text, std::to_string(count) + " " + (count == 1 ? one : many));
}

}  // namespace

std::string droppedText(const Dropped& dropped) {
    std::string text;
    if (dropped.breaksJoined) addPart(text, "tracks joined");
    addCount(text, dropped.tracks, "track", "tracks");
    addCount(text, dropped.waypoints, "waypoint", "waypoints");
    addCount(text, dropped.routes, "route", "routes");
    if (dropped.names) addPart(text, "names");
    return text;
}

ConversionResult commitResult(OutputFile& output, const std::filesystem::path& outputPath,
                              std::uint64_t points) {
    ConversionResult result;
    result.output = outputPath;
    result.points = points;
    std::error_code error;
    if (points == 0 &&
        std::filesystem::symlink_status(outputPath, error).type() !=
            std::filesystem::file_type::not_found &&
        !error) {
        result.keptOlderOutput = true;
        return result;
    }
    output.commit();
    return result;
}

}  // namespace morlindo
