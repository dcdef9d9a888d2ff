#include "cli/morlindo_app.h"

#include <memory>
#include <system_error>

#include "cli/command_line.h"
#include "cli/info_command.h"
#include "cli/input_files.h"
#include "cli/report.h"
#include "formats/ozi_text.h"
#include "io/error.h"
#include "io/version.h"

namespace morlindo::cli {
namespace {

constexpr int kExitConverted = 0;
constexpr int kExitSomeFailed = 1;
constexpr int kExitUsage = 2;

// A single file this large shows its progress too.
constexpr std::uintmax_t kLargeFile = 8 << 20;

std::unique_ptr<Clock> clockFor(const Request& request) {
    if (request.now) return std::make_unique<FixedClock>(*request.now);
    return std::make_unique<SystemClock>();
}

bool showsProgress(const Request& request, const std::vector<FileToConvert>& files,
                   const Terminal& errorTerminal) {
    if (!errorTerminal.isTerminal || request.quiet) return false;
    if (files.size() != 1) return files.size() > 1;
    std::error_code status;
    const auto size = std::filesystem::file_size(files.front().input, status);
    return !status && size >= kLargeFile;
}

// -n leaves an output that exists alone, unless it is the input itself,
// which the conversion refuses as a failure.
bool isLeftAlone(const Request& request, const FileToConvert& file) {
    std::error_code ignored;
    return request.noOverwrite &&
           std::filesystem::exists(std::filesystem::symlink_status(file.output, ignored)) &&
           !std::filesystem::equivalent(file.input, file.output, ignored);
}

// "PATH: no fixes in 12 lines (0 bad checksums, 4 without a fix)" for a log,
// "PATH: no points" for another input; and whether an older output was kept.
std::string emptyMessage(const std::filesystem::path& input, const ConversionResult& result) {
    std::string message = displayPath(input) + ": ";
    if (result.log) {
        message += "no fixes in " + std::to_string(result.log->lines) + " lines (" +
                   std::to_string(result.log->badChecksums) + " bad checksums, " +
                   std::to_string(result.log->withoutFix) + " without a fix)";
    } else {
        message += "no points";
    }
    if (result.keptOlderOutput) {
        message += "; the older " + displayPath(result.output) + " was left as it was";
    }
    return message;
}

// Converts one file into the report; the output folder is made first.
void convertInto(Report& report, const FileToConvert& file, const Request& request,
                 ConversionContext context) {
    report.starting(file.input);
    try {
        if (!file.outputFolder.empty()) {
            std::error_code status;
            std::filesystem::create_directories(file.outputFolder, status);
            if (status) {
                throw Error(file.outputFolder, "cannot create this folder: %1",
                            {systemReason(status)});
            }
        }
        context.outputFolder = file.outputFolder;
        context.progress = &report;
        const auto result =
            convertFile(file.conversion, file.input, request.options, context, request.source);
        if (result.points == 0) {
            report.empty(file.input, result.output, emptyMessage(file.input, result));
        } else {
            report.converted(file.input, result.output, result.points, result.dropped);
        }
        if (result.charactersReplaced && !result.keptOlderOutput) {
            report.note(displayPath(result.output) + ": characters that " +
                        request.encoding.name() + " lacks were written as \"?\"");
        }
    } catch (const Error& error) {
        report.failed(file.input, file.output, error.what());
    } catch (const std::exception& error) {
        report.failed(file.input, file.output, displayPath(file.input) + ": " + error.what());
    }
}

// The option texts that go into the files of this target, each with its option.
std::vector<std::pair<const char*, const std::string*>> optionTexts(const Request& request) {
    if (request.target == FileKind::OziRoute) {
        return {{"--route-name", &request.options.route.routeName},
                {"--route-description", &request.options.route.routeDescription}};
    }
    if (request.target == FileKind::OziWaypoints) {
        return {{"--prefix", &request.options.waypoints.namePrefix}};
    }
    return {};
}

// Says once which option text loses its commas or control characters in the
// files, so that the user is not surprised by a name that differs.
void noteChangedTexts(const Request& request, Report& report) {
    for (const auto& [option, text] : optionTexts(request)) {
        const std::string field = oziTextField(*text);
        if (field == *text) continue;
        report.note(std::string(option) + " \"" + printableText(*text) + "\" is written as \"" +
                    printableText(field) +
                    "\": the texts of OziExplorer files hold no commas or control characters");
    }
}

int convertAll(const Request& request, const std::vector<FileToConvert>& files, std::ostream& out,
               std::ostream& err, const Terminal& errorTerminal) {
    const auto clock = clockFor(request);
    const ConversionContext context{*clock, request.encoding};
    Report report(out, err,
                  ReportStyle{request.quiet, request.json,
                              showsProgress(request, files, errorTerminal), errorTerminal.columns},
                  files.size());
    noteChangedTexts(request, report);
    for (const auto& file : files) {
        if (file.failure) {
            report.failed(file.input, {}, file.failure->what());
        } else if (isLeftAlone(request, file)) {
            report.skipped(file.input, file.output);
        } else {
            convertInto(report, file, request, context);
        }
    }
    report.finish();
    return report.anyFailed() || report.anyEmpty() ? kExitSomeFailed : kExitConverted;
}

}  // namespace

int runMorlindo(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                const Terminal& errorTerminal) {
    if (!arguments.empty() && arguments.front() == "info") {
        return runInfo({arguments.begin() + 1, arguments.end()}, out, err);
    }
    Request request;
    std::vector<FileToConvert> files;
    try {
        request = parseCommandLine(arguments);
        if (!request.showHelp && !request.showVersion) files = filesToConvert(request);
    } catch (const UsageError& error) {
        err << "morlindo: " << error.what() << "\nTry 'morlindo --help' for more.\n";
        return kExitUsage;
    }
    if (request.showHelp) {
        out << helpText();
        return kExitConverted;
    }
    if (request.showVersion) {
        out << "morlindo " << kVersionText << "\n";
        return kExitConverted;
    }
    return convertAll(request, files, out, err, errorTerminal);
}

}  // namespace morlindo::cli
