// What every conversion is given besides its input and options: the clock
// that stamps AlMap -> .plt points, the code page of the texts written into
// OziExplorer files, where reading progress goes when a front end shows it
// (its observer may also stop the conversion), and the folder the output
// goes to when it is not to lie beside its input.
#pragma once

#include <filesystem>

#include "io/clock.h"
#include "io/read_progress.h"
#include "io/text_encoding.h"

namespace morlindo {

struct ConversionContext {
    ConversionContext(const Clock& clock, const TextEncoding& encoding)
        : clock(clock), encoding(encoding) {}

    const Clock& clock;
    const TextEncoding& encoding;
    ReadProgress* progress = nullptr;
    std::filesystem::path outputFolder;  // empty: beside the input
};

}  // namespace morlindo
