#include "batch/file_selection.h"

#include <exception>

namespace morlindo {
namespace {

std::vector<std::string_view> splitAtNul(std::string_view text) {
    std::vector<std::string_view> parts;
    if (text.empty()) return parts;
    while (true) {
        const auto end = text.find('\0');
        parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos) return parts;
        text.remove_prefix(end + 1);
    }
}

}  // namespace

FileFilter fileFilterFor(ConversionKind kind) {
    switch (kind) {
        case ConversionKind::AlmapToOziTrack:
        case ConversionKind::AlmapToOziRoute:
        case ConversionKind::AlmapToOziWaypoints:
            return {".alr", "Almap Track File(*.alr)|*.alr"};
        case ConversionKind::OziTrackToAlmap:
            return {".plt", "Ozi Track File(*.plt)|*.plt"};
        case ConversionKind::NmeaToAlmap:
        case ConversionKind::NmeaToOziTrack:
            return {".nmea", "Nmea File(*.nmea)|*.nmea"};
    }
    return {};
}

std::string dialogAnswerFor(const std::string& folder, const std::vector<std::string>& names) {
    if (names.empty()) return {};
    if (names.size() == 1) {
        const bool endsInSeparator = !folder.empty() && folder.back() == kFolderSeparator;
        return endsInSeparator ? folder + names[0] : folder + kFolderSeparator + names[0];
    }
    std::string answer = folder;
    for (const auto& name : names) {
        answer += '\0';
        answer += name;
    }
    return answer;
}

void FileSelection::tabChanged(ConversionKind kind) {
    currentKind_ = kind;
    list_.clear();
    selectFiles();
}

void FileSelection::selectFiles() {
    const FileFilter filter = fileFilterFor(currentKind_);
    const OpenFileRequest request{std::string(filter.defaultExtension), std::string(filter.filter),
                                  startFolder_, true};
    std::string answer;
    try {
        answer = dialog_.askForFiles(request);
    } catch (const std::exception&) {
        // A dialog that fails counts as cancelled; the user sees no message.
        answer.clear();
    }
    takeAnswer(answer);
}

void FileSelection::takeAnswer(std::string_view answer) {
    const auto parts = splitAtNul(answer);
    if (parts.size() >= 2) {
        const std::string folder(parts[0]);
        startFolder_ = folder;
        list_.setRowCount(static_cast<int>(parts.size()));
        for (std::size_t i = 1; i < parts.size(); ++i) {
            list_.setRow(static_cast<int>(i),
                         {std::to_string(i), folder, std::string(parts[i]), std::string()});
        }
        return;
    }
    list_.setRowCount(static_cast<int>(parts.size()) + 1);
    if (parts.empty()) return;
    const std::string_view path = parts[0];
    const auto separator = path.rfind(kFolderSeparator);
    if (separator == std::string_view::npos) {
        // A bare name has no folder to start in next time; startFolder stays.
        list_.setRow(1, {"1", std::string(), std::string(path), std::string()});
        return;
    }
    startFolder_ = std::string(path.substr(0, separator + 1));
    list_.setRow(1, {"1", std::string(path.substr(0, separator)),
                     std::string(path.substr(separator + 1)), std::string()});
}

}  // namespace morlindo
