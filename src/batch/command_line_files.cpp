#include "batch/command_line_files.h"

#include <algorithm>

#include "io/error.h"

namespace morlindo {
namespace {

bool tabReads(ConversionKind tab, const std::filesystem::path& file) {
    const auto kind = fileKindOf(file);
    const auto& sources = conversion(tab).sources;
    return kind && std::find(sources.begin(), sources.end(), *kind) != sources.end();
}

std::optional<ConversionKind> firstTabReading(const std::filesystem::path& file) {
    for (const Conversion& row : conversions()) {
        if (tabReads(row.kind, file)) return row.kind;
    }
    return std::nullopt;
}

}  // namespace

FilesToOpen filesToOpen(const std::vector<std::filesystem::path>& files) {
    FilesToOpen opening;
    for (const auto& file : files) {
        if (!opening.tab) opening.tab = firstTabReading(file);
        (opening.tab && tabReads(*opening.tab, file) ? opening.listed : opening.refused)
            .push_back(file);
    }
    return opening;
}

std::optional<Message> refusedFilesMessage(const std::vector<std::filesystem::path>& refused) {
    if (refused.empty()) return std::nullopt;
    std::string text = "이 탭에서 변환하지 않는 파일은 목록에 넣지 않았습니다:";
    for (const auto& file : refused) text += "\n" + displayPath(file);
    return Message{std::move(text), "파일열기", MessageIcon::Information};
}

}  // namespace morlindo
