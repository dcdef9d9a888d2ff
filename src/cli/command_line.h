// The command line of `morlindo`: what the user asked for, read from the
// arguments, with every check that does not need the files themselves.
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "convert/conversions.h"
#include "io/civil_time.h"
#include "io/text_encoding.h"

namespace morlindo::cli {

// A mistake in the arguments: exit status 2, with the message.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Request {
    bool showHelp = false;
    bool showVersion = false;
    bool quiet = false;
    bool recursive = false;    // -r: a folder's subfolders too
    bool noOverwrite = false;  // -n: leave outputs that exist alone
    bool json = false;         // --json: one JSON object per file on stdout
    FileKind target = FileKind::OziTrack;
    std::optional<FileKind> source;                  // --from; else each file's extension
    std::optional<DateTime> now;                     // --now
    TextEncoding encoding = TextEncoding::system();  // --encoding
    ConversionOptions options;
    std::filesystem::path outputFolder;        // -o; empty: each output beside its input
    std::vector<std::filesystem::path> files;  // files and folders as named
};

// Reads the arguments (UTF-8, without the program name). Throws UsageError.
// File names become paths; the texts that go into the files (route name,
// route description, waypoint name prefix) stay UTF-8: the converters write
// them in the code page of the files.
Request parseCommandLine(const std::vector<std::string>& arguments);

// The conversion for one file of the request. Throws UsageError when the
// file's kind is unknown or cannot become the target.
ConversionKind conversionFor(const Request& request, const std::filesystem::path& file);

// "#RRGGBB" or a colour name, as R + 256 G + 65536 B; nullopt when neither.
std::optional<std::int32_t> parseColor(const std::string& text);

// "YYYY-MM-DD", a real date; nullopt otherwise.
std::optional<DateTime> parseDate(const std::string& text);

std::string helpText();

}  // namespace morlindo::cli
