#include "convert/conversion_result.h"

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

}  // namespace morlindo
