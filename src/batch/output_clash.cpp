#include "batch/output_clash.h"

#include <map>

#include "convert/output_path.h"
#include "io/system_text.h"

namespace morlindo {

std::optional<OutputClash> findOutputClash(ConversionKind kind,
                                           const std::vector<std::filesystem::path>& inputs) {
    const auto extension = pathFromUtf8(fileKindInfo(conversion(kind).target).extension);
    std::map<std::filesystem::path::string_type, const std::filesystem::path*> inputByOutput;
    for (const auto& input : inputs) {
        const auto output = outputPathFor(input, extension);
        const auto [found, added] = inputByOutput.try_emplace(pathIdentity(output), &input);
        if (!added && pathIdentity(*found->second) != pathIdentity(input)) {
            return OutputClash{*found->second, input, output};
        }
    }
    return std::nullopt;
}

}  // namespace morlindo
