#include "batch/run_batch.h"

#include "convert/output_path.h"
#include "io/clock.h"

namespace morlindo {

namespace {

// An output that exists is left alone, unless it is the input itself, which
// the conversion refuses as a failure (as `morlindo -n` does).
bool isLeftAlone(ConversionKind kind, const std::filesystem::path& input,
                 const OutputChoice& output) {
    if (!output.skipExisting) return false;
    const auto path = outputOf(kind, input, output.folder);
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ignored)) &&
           !std::filesystem::equivalent(input, path, ignored);
}

}  // namespace

Converter tableConverter() {
    return [](ConversionKind kind, const std::filesystem::path& input,
              const ConversionOptions& options, const std::filesystem::path& outputFolder,
              ReadProgress* progress) {
        const SystemClock clock;
        const TextEncoding encoding = TextEncoding::system();
        ConversionContext context{clock, encoding};
        context.progress = progress;
        context.outputFolder = outputFolder;
        return convertFile(kind, input, options, context);
    };
}

std::filesystem::path outputOf(ConversionKind kind, const std::filesystem::path& input,
                               const std::filesystem::path& outputFolder) {
    const auto extension = fileKindInfo(conversion(kind).target).extension;
    return outputPathFor(input, std::filesystem::path(std::string(extension)), outputFolder);
}

BatchOutcome runBatch(ConversionKind kind, const std::vector<std::filesystem::path>& inputs,
                      const OptionsReader& readOptions, const Converter& convert,
                      const RowHook& onRow, ReadProgress* progress, const OutputChoice& output) {
    const auto tell = [&onRow](std::size_t row, RowEvent event) {
        if (onRow) onRow(row, event);
    };
    if (!output.folder.empty()) {
        // A folder that cannot be made fails the first file that writes there.
        std::error_code ignored;
        std::filesystem::create_directories(output.folder, ignored);
    }
    BatchOutcome outcome;
    for (std::size_t row = 0; row < inputs.size(); ++row) {
        tell(row, RowEvent::Started);
        if (isLeftAlone(kind, inputs[row], output)) {
            ++outcome.skipped;
            tell(row, RowEvent::Skipped);
            continue;
        }
        ConversionResult result;
        try {
            result = convert(kind, inputs[row], readOptions(), output.folder, progress);
        } catch (const ConversionCancelled&) {
            outcome.cancelled = true;
            tell(row, RowEvent::Cancelled);
            return outcome;
        } catch (const std::exception&) {
            outcome.failedInput = inputs[row];
            outcome.failure = std::current_exception();
            tell(row, RowEvent::Failed);
            return outcome;
        }
        ++outcome.converted;
        if (result.points == 0) {
            ++outcome.empty;
            if (result.keptOlderOutput) ++outcome.keptOlder;
            tell(row, RowEvent::Empty);
        } else {
            tell(row, result.dropped.any() ? RowEvent::ConvertedWithDrops : RowEvent::Converted);
        }
    }
    return outcome;
}

}  // namespace morlindo
