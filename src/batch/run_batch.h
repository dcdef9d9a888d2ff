// The batch driver behind every convert button: converts the files of the
// list top to bottom with the conversion of one tab, marks each row
// "Converted", and ends with the completion message. The options are read
// from the window just before each file, so every file sees the controls as
// they stand when it is converted.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "batch/conversion_kind.h"
#include "batch/file_list.h"
#include "batch/message_dialog.h"
#include "io/clock.h"

namespace morlindo {

inline constexpr std::string_view kCompletionText = "정상적으로 변환이 완료되었습니다";
inline constexpr std::string_view kCompletionTitle = "변환완료";
inline constexpr std::string_view kFailureTitle = "변환 오류";

// Where the options of each conversion come from: the option controls of
// the conversion's tab.
class OptionsSource {
public:
    virtual ~OptionsSource() = default;
    virtual OziTrackOptions oziTrackOptions() const = 0;
    virtual OziRouteOptions oziRouteOptions() const = 0;
    virtual OziWaypointOptions oziWaypointOptions() const = 0;
    virtual NmeaOziTrackOptions nmeaOziTrackOptions() const = 0;
};

// The options record of one kind filled from the source; the records of
// the other kinds keep their defaults, and the source is asked nothing for
// the kinds that have no options.
ConversionOptions optionsFor(ConversionKind kind, const OptionsSource& source);

// One converter per kind, indexed by the kind's value.
using Converter =
    std::function<void(const std::filesystem::path& inputPath, const ConversionOptions& options)>;
using ConverterTable = std::array<Converter, kConversionKindCount>;

// The six real conversions, stamping times from the given clock.
ConverterTable standardConverters(std::shared_ptr<const Clock> clock);

// Converts every file row. A failing file stops the batch at its row: the
// rows before keep "Converted", the failing and later rows keep their status,
// a message box under kFailureTitle names the file and the reason, and the
// completion message is not shown. Returns whether every row converted.
bool runBatch(ConversionKind kind, FileList& list, const OptionsSource& options,
              const ConverterTable& converters, MessageDialog& messages);

}  // namespace morlindo
