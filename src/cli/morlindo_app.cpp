#include "cli/morlindo_app.h"

#include <memory>

#include "cli/command_line.h"
#include "cli/info_command.h"
#include "convert/output_path.h"
#include "io/error.h"
#include "io/version.h"

namespace morlindo::cli {
namespace {

constexpr int kExitConverted = 0;
constexpr int kExitSomeFailed = 1;
constexpr int kExitUsage = 2;

std::unique_ptr<Clock> clockFor(const Request& request) {
    if (request.now) return std::make_unique<FixedClock>(*request.now);
    return std::make_unique<SystemClock>();
}

std::string pointsText(std::uint64_t points) {
    return std::to_string(points) + (points == 1 ? " point" : " points");
}

}  // namespace

int runMorlindo(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (!arguments.empty() && arguments.front() == "info") {
        return runInfo({arguments.begin() + 1, arguments.end()}, out, err);
    }
    Request request;
    std::vector<ConversionKind> kinds;
    try {
        request = parseCommandLine(arguments);
        for (const auto& file : request.files) kinds.push_back(conversionFor(request, file));
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

    const auto clock = clockFor(request);
    const ConversionContext context{*clock, request.encoding};
    int status = kExitConverted;
    for (std::size_t i = 0; i < request.files.size(); ++i) {
        const auto& file = request.files[i];
        try {
            const auto result =
                convertFile(kinds[i], file, request.options, context, request.source);
            if (!request.quiet) {
                out << displayPath(file) << " -> " << displayPath(result.output) << " ("
                    << pointsText(result.points) << ")\n";
            }
        } catch (const Error& error) {
            err << "morlindo: " << error.what() << "\n";
            status = kExitSomeFailed;
        } catch (const std::exception& error) {
            err << "morlindo: " << displayPath(file) << ": " << error.what() << "\n";
            status = kExitSomeFailed;
        }
        out.flush();
    }
    return status;
}

}  // namespace morlindo::cli
