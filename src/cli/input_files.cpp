#include "cli/input_files.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <system_error>

#include "convert/output_path.h"
#include "io/system_text.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace morlindo::cli {
namespace fs = std::filesystem;
namespace {

using NativeString = fs::path::string_type;
using NativeChar = NativeString::value_type;

// The shells of Windows (cmd.exe, PowerShell) pass "*.alr" to a program as
// it is; POSIX shells have expanded it before the program starts, and a
// name there may hold "*" itself.
#ifdef _WIN32
constexpr bool kShellLeavesWildcards = true;
#else
constexpr bool kShellLeavesWildcards = false;
#endif

// The folder part of a path as written, up to and including its last
// separator ("D:" in "D:*.alr").
NativeString folderPart(const fs::path& path) {
    const NativeString& text = path.native();
    return text.substr(0, text.size() - path.filename().native().size());
}

// One character in the letter case in which Windows compares file names.
NativeChar folded(NativeChar c) {
#ifdef _WIN32
    // CharUpperW takes a single character in the low word of its argument.
    return static_cast<wchar_t>(reinterpret_cast<std::uintptr_t>(
        CharUpperW(reinterpret_cast<LPWSTR>(static_cast<std::uintptr_t>(c)))));
#else
    return c >= 'a' && c <= 'z' ? static_cast<NativeChar>(c - 'a' + 'A') : c;
#endif
}

// A name or path as the system compares it: in one letter case on Windows,
// byte for byte elsewhere.
NativeString comparable(NativeString text) {
#ifdef _WIN32
    for (NativeChar& c : text) c = folded(c);
#endif
    return text;
}

bool inNameOrder(const fs::directory_entry& a, const fs::directory_entry& b) {
    const NativeString first = comparable(a.path().filename().native());
    const NativeString second = comparable(b.path().filename().native());
    return first != second ? first < second : a.path().native() < b.path().native();
}

// Hidden entries are the user's to keep out of sight; a link to a folder
// could lead out of the tree or round in a circle.
bool isPassedOver(const fs::directory_entry& entry) {
    const NativeString name = entry.path().filename().native();
    if (!name.empty() && name.front() == NativeChar('.')) return true;
#ifdef _WIN32
    // Junctions, the other links to folders of Windows, are reparse points
    // that the standard library does not count as links.
    constexpr DWORD kLinkedFolder = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    const DWORD attributes = GetFileAttributesW(entry.path().c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && ((attributes & FILE_ATTRIBUTE_HIDDEN) != 0 ||
                                                  (attributes & kLinkedFolder) == kLinkedFolder))
        return true;
#endif
    std::error_code ignored;
    return entry.is_symlink(ignored) && entry.is_directory(ignored);
}

// The entries of a folder that are not passed over, in name order; status
// says why the folder could not be read.
std::vector<fs::directory_entry> entriesOf(const fs::path& folder, std::error_code& status) {
    std::vector<fs::directory_entry> entries;
    for (fs::directory_iterator entry(folder, status), end; !status && entry != end;
         entry.increment(status)) {
        if (!isPassedOver(*entry)) entries.push_back(*entry);
    }
    std::sort(entries.begin(), entries.end(), inNameOrder);
    return entries;
}

// Walks the arguments into the list of files.
class Expansion {
public:
    explicit Expansion(const Request& request) : request_(request) {}

    void addArgument(const fs::path& argument) {
        if (kShellLeavesWildcards && argument.filename().native().find_first_of(NativeString{
                                         NativeChar('*'), NativeChar('?')}) != NativeString::npos) {
            const auto matches = pathsMatching(argument);
            if (matches.empty()) addFailure(argument, "no file matches");
            for (const auto& match : matches) addNamed(match);
        } else {
            addNamed(argument);
        }
    }

    std::vector<FileToConvert> files;

private:
    void addNamed(const fs::path& path) {
        std::error_code ignored;
        if (!fs::is_directory(path, ignored)) return addFile(path, request_.outputFolder);
        const std::size_t before = files.size();
        addFolder(path, request_.outputFolder);
        if (files.size() == before) addNothingToConvert(path);
    }

    void addFolder(const fs::path& folder, const fs::path& outputFolder) {
        std::error_code status;
        const auto entries = entriesOf(folder, status);
        if (status)
            return addFailure(folder, "cannot read this folder: %1", {systemReason(status)});
        for (const auto& entry : entries) {
            std::error_code ignored;
            if (entry.is_directory(ignored)) {
                if (!request_.recursive) continue;
                addFolder(entry.path(), outputFolder.empty()
                                            ? outputFolder
                                            : outputFolder / entry.path().filename());
            } else if (entry.is_regular_file(ignored) && isTaken(entry.path())) {
                addFile(entry.path(), outputFolder);
            }
        }
    }

    // A file in a folder is taken when its extension names the kind --from
    // names, or else a kind that converts to the target.
    bool isTaken(const fs::path& file) const {
        const auto kind = fileKindOf(file);
        if (!kind) return false;
        return request_.source ? *kind == *request_.source
                               : conversionBetween(*kind, request_.target).has_value();
    }

    void addNothingToConvert(const fs::path& folder) {
        const bool below = request_.recursive;
        if (request_.source) {
            const std::string extension(fileKindInfo(*request_.source).extension);
            if (below)
                return addFailure(folder, "no %1 file in this folder or below it", {extension});
            return addFailure(folder, "no %1 file in this folder", {extension});
        }
        const std::string target(fileKindInfo(request_.target).shortName);
        if (below) {
            return addFailure(folder, "no file that converts to %1 in this folder or below it",
                              {target});
        }
        addFailure(folder, "no file that converts to %1 in this folder", {target});
    }

    void addFile(const fs::path& input, const fs::path& outputFolder) {
        FileToConvert file;
        file.input = input;
        file.outputFolder = outputFolder;
        file.conversion = conversionFor(request_, input);
        file.output = outputPathFor(input, pathFromUtf8(fileKindInfo(request_.target).extension),
                                    outputFolder);
        files.push_back(std::move(file));
    }

    void addFailure(const fs::path& argument, ReasonPattern pattern,
                    std::vector<ReasonValue> values = {}) {
        FileToConvert file;
        file.input = argument;
        file.failure.emplace(argument, pattern, std::move(values));
        files.push_back(std::move(file));
    }

    const Request& request_;
};

// The files without repeats of one input; two inputs with one output are a
// mistake, since the second would replace what the first wrote.
std::vector<FileToConvert> withoutRepeats(std::vector<FileToConvert> files) {
    std::vector<FileToConvert> kept;
    std::map<NativeString, std::size_t> byOutput;
    for (auto& file : files) {
        if (!file.failure) {
            const auto [found, added] =
                byOutput.try_emplace(pathIdentity(file.output), kept.size());
            if (!added) {
                const FileToConvert& earlier = kept[found->second];
                if (pathIdentity(earlier.input) == pathIdentity(file.input)) continue;
                throw UsageError(displayPath(earlier.input) + " and " + displayPath(file.input) +
                                 " would both be written to " + displayPath(file.output));
            }
        }
        kept.push_back(std::move(file));
    }
    return kept;
}

}  // namespace

std::vector<FileToConvert> filesToConvert(const Request& request) {
    Expansion expansion(request);
    for (const auto& argument : request.files) expansion.addArgument(argument);
    return withoutRepeats(std::move(expansion.files));
}

bool matchesWildcard(const fs::path& pattern, const fs::path& name) {
    const NativeString& p = pattern.native();
    const NativeString& n = name.native();
    constexpr std::size_t kNone = NativeString::npos;
    // On a mismatch, the last "*" takes one more character and matching
    // starts again after it.
    std::size_t i = 0, j = 0, afterStar = kNone, starTook = 0;
    while (j < n.size()) {
        if (i < p.size() && p[i] == NativeChar('*')) {
            afterStar = ++i;
            starTook = j;
        } else if (i < p.size() && (p[i] == NativeChar('?') || folded(p[i]) == folded(n[j]))) {
            ++i;
            ++j;
        } else if (afterStar != kNone) {
            i = afterStar;
            j = ++starTook;
        } else {
            return false;
        }
    }
    while (i < p.size() && p[i] == NativeChar('*')) ++i;
    return i == p.size();
}

std::vector<fs::path> pathsMatching(const fs::path& pattern) {
    const NativeString folder = folderPart(pattern);
    const fs::path name = pattern.filename();
    std::error_code status;
    std::vector<fs::path> matches;
    for (const auto& entry : entriesOf(folder.empty() ? fs::path(".") : fs::path(folder), status)) {
        if (matchesWildcard(name, entry.path().filename())) {
            matches.emplace_back(folder + entry.path().filename().native());
        }
    }
    return matches;
}

}  // namespace morlindo::cli
