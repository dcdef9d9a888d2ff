// What every conversion is given besides its input and options: the clock
// that stamps AlMap -> .plt points, the code page of the texts written into
// OziExplorer files, and, when a front end shows it, where reading progress
// goes (its observer may also stop the conversion).
#pragma once

#include "io/clock.h"
#include "io/read_progress.h"
#include "io/text_encoding.h"

namespace morlindo {

struct ConversionContext {
    const Clock& clock;
    const TextEncoding& encoding;
    ReadProgress* progress = nullptr;
};

}  // namespace morlindo
