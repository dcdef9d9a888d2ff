// Stand-ins for what the user answers and what converts: an open-file
// dialog with scripted answers, a message box that records what it shows
// and answers questions as told, and a converter that records every call.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <vector>

#include "batch/file_selection.h"
#include "batch/message_dialog.h"
#include "batch/run_batch.h"

namespace morlindo::test {

using Paths = std::vector<std::filesystem::path>;

class FakeFileDialog final : public OpenFileDialog {
public:
    // Answers in turn; once they run out, every dialog is cancelled.
    std::deque<Paths> answers;
    std::vector<OpenFileRequest> requests;
    // Runs when the dialog opens, before it answers.
    std::function<void(const OpenFileRequest&)> onOpen;

    Paths askForFiles(const OpenFileRequest& request) override {
        requests.push_back(request);
        if (onOpen) onOpen(request);
        if (answers.empty()) return {};
        Paths answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class RecordingMessages final : public MessageDialog {
public:
    std::vector<Message> shown;
    std::vector<Message> asked;
    std::vector<std::string> offered;  // the second buttons' captions
    bool answer = true;
    bool takesOffer = false;
    bool offer(const Message& message, const std::string& action) override {
        shown.push_back(message);
        offered.push_back(action);
        return takesOffer;
    }
    void show(const Message& message) override { shown.push_back(message); }
    bool ask(const Message& question) override {
        asked.push_back(question);
        return answer;
    }
};

struct ConverterCall {
    ConversionKind kind;
    std::filesystem::path input;
    ConversionOptions options;
    std::filesystem::path outputFolder;
};

// Records every call; a conversion fails when its input is listed in
// failingInputs, and calls onConvert (if set) while it runs.
class RecordingConverter {
public:
    std::vector<ConverterCall> calls;
    Paths failingInputs;
    std::function<void()> onConvert;

    Converter converter() {
        return [this](ConversionKind kind, const std::filesystem::path& input,
                      const ConversionOptions& options, const std::filesystem::path& outputFolder,
                      ReadProgress*) {
            calls.push_back({kind, input, options, outputFolder});
            if (onConvert) onConvert();
            for (const auto& failing : failingInputs) {
                if (failing == input) throw std::runtime_error("cannot read it");
            }
            ConversionResult result;
            result.output = input;
            result.points = 1;
            return result;
        };
    }
};

}  // namespace morlindo::test
