// The batch behind every convert button: converts the listed files top to
// bottom with the conversion of one tab, reading the tab's options just
// before each file (so every file sees the controls as they stand when it is
// converted), and stops at the first file that fails or is cancelled. The
// front end learns of each row through a hook and of the reading of a file
// through ReadProgress (whose observer may cancel), and words the outcome in
// its own language.
#pragma once

#include <cstddef>
#include <exception>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "convert/conversions.h"
#include "io/read_progress.h"

namespace morlindo {

// Converts one file with one conversion and its options into outputFolder
// (empty: beside the input), telling progress (when given) how far it has
// read.
using Converter = std::function<ConversionResult(
    ConversionKind kind, const std::filesystem::path& input, const ConversionOptions& options,
    const std::filesystem::path& outputFolder, ReadProgress* progress)>;
// The options of the tab, as its controls stand.
using OptionsReader = std::function<ConversionOptions()>;

// ConvertedWithDrops: converted, but the output could not hold everything
// the input held (segments joined, waypoints left out, ...).
// Empty: converted, but the file gave no point.
enum class RowEvent { Started, Converted, ConvertedWithDrops, Empty, Failed, Cancelled, Skipped };
using RowHook = std::function<void(std::size_t row, RowEvent event)>;

// The conversions of the table, with the system's clock and code page.
Converter tableConverter();

// Where the outputs go, and whether an output that exists is left alone
// (its input then counts as skipped) or replaced.
struct OutputChoice {
    std::filesystem::path folder;  // empty: beside each input
    bool skipExisting = false;

    bool operator==(const OutputChoice&) const = default;
};

struct BatchOutcome {
    std::size_t converted = 0;  // rows converted (the empty ones too)
    std::size_t empty = 0;      // of them, the files that gave no point
    std::size_t keptOlder = 0;  // of those, the ones whose older output was kept
    std::size_t skipped = 0;    // rows whose output existed and was left alone
    bool cancelled = false;
    // The failing row's input and what it failed with; empty when none failed.
    std::optional<std::filesystem::path> failedInput;
    std::exception_ptr failure;
};

// Converts every input in order. A failing file stops the batch at its row;
// so does ConversionCancelled, thrown by the converter, its progress
// observer or the options reader. Nothing is caught but what reading the
// options and converting throw. An output folder that is missing is made.
BatchOutcome runBatch(ConversionKind kind, const std::vector<std::filesystem::path>& inputs,
                      const OptionsReader& readOptions, const Converter& convert = tableConverter(),
                      const RowHook& onRow = {}, ReadProgress* progress = nullptr,
                      const OutputChoice& output = {});

// The output a conversion writes for an input, with the folder chosen.
std::filesystem::path outputOf(ConversionKind kind, const std::filesystem::path& input,
                               const std::filesystem::path& outputFolder);

}  // namespace morlindo
