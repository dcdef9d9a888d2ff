// The batch behind every convert button: converts the listed files top to
// bottom with the conversion of one tab, reading the tab's options just
// before each file (so every file sees the controls as they stand when it is
// converted), and stops at the first file that fails. The front end learns
// of each row through a hook and words the outcome with messageFor.
#pragma once

#include <cstddef>
#include <exception>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "batch/message_dialog.h"
#include "convert/conversions.h"

namespace morlindo {

inline constexpr std::string_view kCompletionText = "정상적으로 변환이 완료되었습니다";
inline constexpr std::string_view kCompletionTitle = "변환완료";
inline constexpr std::string_view kFailureTitle = "변환 오류";

// Converts one file with one conversion and its options.
using Converter = std::function<ConversionResult(
    ConversionKind kind, const std::filesystem::path& input, const ConversionOptions& options)>;
// The options of the tab, as its controls stand.
using OptionsReader = std::function<ConversionOptions()>;

enum class RowEvent { Started, Converted, Failed, Cancelled };
using RowHook = std::function<void(std::size_t row, RowEvent event)>;

// The conversions of the table, with the system's clock and code page.
Converter tableConverter();

struct BatchOutcome {
    std::size_t converted = 0;  // rows converted, from the top
    bool cancelled = false;
    // The failing row's input and what it failed with; empty when none failed.
    std::optional<std::filesystem::path> failedInput;
    std::exception_ptr failure;
};

// Converts every input in order. A failing file stops the batch at its row;
// so does a converter that throws ConversionCancelled. Nothing is caught
// but what a conversion throws.
BatchOutcome runBatch(ConversionKind kind, const std::vector<std::filesystem::path>& inputs,
                      const OptionsReader& readOptions, const Converter& convert = tableConverter(),
                      const RowHook& onRow = {});

// The message box that ends a batch: the completion message, or, under
// kFailureTitle, the file, the line where known and the reason. A cancelled
// batch has none.
std::optional<Message> messageFor(const BatchOutcome& outcome);

}  // namespace morlindo
