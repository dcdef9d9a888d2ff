#include "batch/run_batch.h"

#include "io/clock.h"

namespace morlindo {

Converter tableConverter() {
    return [](ConversionKind kind, const std::filesystem::path& input,
              const ConversionOptions& options, ReadProgress* progress) {
        const SystemClock clock;
        const TextEncoding encoding = TextEncoding::system();
        ConversionContext context{clock, encoding};
        context.progress = progress;
        return convertFile(kind, input, options, context);
    };
}

BatchOutcome runBatch(ConversionKind kind, const std::vector<std::filesystem::path>& inputs,
                      const OptionsReader& readOptions, const Converter& convert,
                      const RowHook& onRow, ReadProgress* progress) {
    const auto tell = [&onRow](std::size_t row, RowEvent event) {
        if (onRow) onRow(row, event);
    };
    BatchOutcome outcome;
    for (std::size_t row = 0; row < inputs.size(); ++row) {
        tell(row, RowEvent::Started);
        ConversionResult result;
        try {
            result = convert(kind, inputs[row], readOptions(), progress);
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
        }
        tell(row, result.points == 0 ? RowEvent::Empty : RowEvent::Converted);
    }
    return outcome;
}

}  // namespace morlindo
