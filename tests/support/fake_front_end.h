// Stand-ins for what the user answers and what converts: an open-file
// dialog with scripted answers, a message box that records what it shows,
// and a converter table that records every call.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "batch/file_selection.h"
#include "batch/message_dialog.h"
#include "batch/run_batch.h"

namespace morlindo::test {

class FakeFileDialog final : public OpenFileDialog {
public:
    // Answers in turn; once they run out, every dialog is cancelled.
    std::deque<std::string> answers;
    std::vector<OpenFileRequest> requests;
    // Runs when the dialog opens, before it answers.
    std::function<void(const OpenFileRequest&)> onOpen;

    std::string askForFiles(const OpenFileRequest& request) override {
        requests.push_back(request);
        if (onOpen) onOpen(request);
        if (answers.empty()) return {};
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class RecordingMessages final : public MessageDialog {
public:
    std::vector<Message> shown;
    void show(const Message& message) override { shown.push_back(message); }
};

struct ConverterCall {
    ConversionKind kind;
    std::filesystem::path inputPath;
    ConversionOptions options;
};

// Records every call; a converter fails when its input path is listed in
// failingPaths, and calls onConvert (if set) while it runs.
class RecordingConverters {
public:
    std::vector<ConverterCall> calls;
    std::vector<std::filesystem::path> failingPaths;
    std::function<void()> onConvert;

    ConverterTable table() {
        ConverterTable table;
        for (int value = 0; value < kConversionKindCount; ++value) {
            table[value] = [this, kind = static_cast<ConversionKind>(value)](
                               const std::filesystem::path& path,
                               const ConversionOptions& options) {
                calls.push_back({kind, path, options});
                if (onConvert) onConvert();
                for (const auto& failing : failingPaths) {
                    if (failing == path) throw std::runtime_error("cannot read it");
                }
            };
        }
        return table;
    }
};

// A path as the list joins it: folder, the platform's separator, name.
inline std::string joined(const std::string& folder, const std::string& name) {
    return folder + kFolderSeparator + name;
}

// The dialog's answer for several files: folder and names separated by NUL.
inline std::string severalFiles(const std::string& folder, const std::vector<std::string>& names) {
    std::string answer = folder;
    for (const auto& name : names) answer += '\0' + name;
    return answer;
}

}  // namespace morlindo::test
