#include "batch/run_batch.h"

#include "io/clock.h"
#include "io/error.h"

namespace morlindo {
namespace {

// An Error already names its file (the input, or the output it could not
// write) and the line; anything else is named after the input.
std::string failureText(const std::filesystem::path& input, const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const Error& error) {
        return error.what();
    } catch (const std::exception& error) {
        return displayPath(input) + ": " + error.what();
    }
}

}  // namespace

Converter tableConverter() {
    return [](ConversionKind kind, const std::filesystem::path& input,
              const ConversionOptions& options) {
        const SystemClock clock;
        const TextEncoding encoding = TextEncoding::system();
        return convertFile(kind, input, options, ConversionContext{clock, encoding});
    };
}

BatchOutcome runBatch(ConversionKind kind, const std::vector<std::filesystem::path>& inputs,
                      const OptionsReader& readOptions, const Converter& convert,
                      const RowHook& onRow) {
    const auto tell = [&onRow](std::size_t row, RowEvent event) {
        if (onRow) onRow(row, event);
    };
    BatchOutcome outcome;
    for (std::size_t row = 0; row < inputs.size(); ++row) {
        tell(row, RowEvent::Started);
        try {
            convert(kind, inputs[row], readOptions());
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
        tell(row, RowEvent::Converted);
    }
    return outcome;
}

std::optional<Message> messageFor(const BatchOutcome& outcome) {
    if (outcome.cancelled) return std::nullopt;
    if (outcome.failure) {
        return Message{failureText(*outcome.failedInput, outcome.failure),
                       std::string(kFailureTitle), MessageIcon::Critical};
    }
    return Message{std::string(kCompletionText), std::string(kCompletionTitle),
                   MessageIcon::Information};
}

}  // namespace morlindo
