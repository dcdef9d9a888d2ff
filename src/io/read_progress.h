// How far a conversion has read its input, for a front end that shows
// progress, and the way such a front end stops a conversion: its observer
// throws ConversionCancelled, which unwinds the conversion like any failure
// (the output helper then leaves no partial file and an older one intact).
#pragma once

#include <cstdint>
#include <exception>

namespace morlindo {

class ReadProgress {
public:
    virtual ~ReadProgress() = default;
    // bytesRead of totalBytes of the input; told every few hundred KiB and at
    // the end of the file. A log read twice (counted, then converted) starts
    // again from 0 for its second pass.
    virtual void advanced(std::uint64_t bytesRead, std::uint64_t totalBytes) = 0;
};

class ConversionCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "the conversion was cancelled"; }
};

}  // namespace morlindo
