// The busy mouse pointer, an arrow with an hourglass, shown while a file
// converts and taken away as soon as the conversion returns or fails.
#pragma once

#include "batch/run_batch.h"

namespace morlindo::ui {

// The same converters, each showing the busy pointer while it runs.
ConverterTable withBusyPointer(ConverterTable converters);

}  // namespace morlindo::ui
