#include "batch/output_clash.h"

#include <map>

#include "batch/run_batch.h"
#include "convert/output_path.h"

namespace morlindo {

std::optional<OutputClash> findOutputClash(ConversionKind kind,
                                           const std::vector<std::filesystem::path>& inputs,
                                           const std::filesystem::path& outputFolder) {
    std::map<std::filesystem::path::string_type, const std::filesystem::path*> inputByOutput;
    for (const auto& input : inputs) {
        const auto output = outputOf(kind, input, outputFolder);
        const auto [found, added] = inputByOutput.try_emplace(pathIdentity(output), &input);
        if (!added && pathIdentity(*found->second) != pathIdentity(input)) {
            return OutputClash{*found->second, input, output};
        }
    }
    return std::nullopt;
}

}  // namespace morlindo
