#include "ui/settings_file.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>
#include <charconv>
#include <exception>

#include "io/input_file.h"
#include "io/output_file.h"
#include "io/system_text.h"
#include "ui/qt_text.h"

namespace morlindo::ui {
namespace {

constexpr std::string_view kWindow = "window";
constexpr std::string_view kMaximized = "maximized";
constexpr std::string_view kPreviewHeight = "preview";
constexpr std::string_view kOutputFolder = "outputFolder";
constexpr std::string_view kExistingOutputs = "existingOutputs";
constexpr std::string_view kSkip = "skip";

// Asking for permissions is not enough on every system (elevated users,
// access lists); creating a file is the real test.
bool canCreateFilesIn(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("MorlindoConverter.XXXXXX")));
    return probe.open();
}

bool sameFolder(const QString& a, const QString& b) {
    const QString canonical = QDir(a).canonicalPath();
    return !canonical.isEmpty() && canonical == QDir(b).canonicalPath();
}

std::optional<int> numberOf(std::string_view text) {
    int value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (status != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// "x,y,width,height", the size at least one pixel.
std::optional<QRect> rectOf(std::string_view text) {
    int parts[4];
    for (int& part : parts) {
        const auto comma = text.find(',');
        const auto number = numberOf(text.substr(0, comma));
        if (!number) return std::nullopt;
        part = *number;
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    if (!text.empty() || parts[2] < 1 || parts[3] < 1) return std::nullopt;
    return QRect(parts[0], parts[1], parts[2], parts[3]);
}

void readSetting(Settings& settings, std::string_view name, std::string_view value) {
    if (name == kWindow) {
        settings.window = rectOf(value);
    } else if (name == kMaximized) {
        settings.maximized = value == "1";
    } else if (name == kPreviewHeight) {
        settings.previewHeight = numberOf(value);
    } else if (name == kOutputFolder) {
        settings.outputFolder = pathFromSystemText(value);
    } else if (name == kExistingOutputs) {
        settings.skipExisting = value == kSkip;
    }
}

std::string setting(std::string_view name, const std::string& value) {
    return std::string(name) + "=" + value;
}

}  // namespace

Settings SettingsFile::read() const {
    Settings settings{defaultStartFolder_};
    try {
        InputFile file(path_);
        LineReader lines(file);
        std::string_view line;
        if (!lines.next(line)) return settings;
        settings.startFolder = pathFromSystemText(line);
        while (lines.next(line)) {
            const auto equals = line.find('=');
            if (equals != std::string_view::npos) {
                readSetting(settings, line.substr(0, equals), line.substr(equals + 1));
            }
        }
    } catch (const std::exception&) {
        // Missing or unreadable: as if there were no file.
    }
    return settings;
}

bool SettingsFile::write(const Settings& settings) const noexcept {
    try {
        std::error_code ignored;
        std::filesystem::create_directories(path_.parent_path(), ignored);
        OutputFile file(path_);
        file.writeLine(systemText(settings.startFolder));
        if (const auto& w = settings.window) {
            file.writeLine(setting(kWindow, std::to_string(w->x()) + "," + std::to_string(w->y()) +
                                                "," + std::to_string(w->width()) + "," +
                                                std::to_string(w->height())));
        }
        if (settings.maximized) file.writeLine(setting(kMaximized, "1"));
        if (settings.previewHeight) {
            file.writeLine(setting(kPreviewHeight, std::to_string(*settings.previewHeight)));
        }
        if (!settings.outputFolder.empty()) {
            file.writeLine(setting(kOutputFolder, systemText(settings.outputFolder)));
        }
        if (settings.skipExisting) file.writeLine(setting(kExistingOutputs, std::string(kSkip)));
        file.commit();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

SettingsFile settingsFileFor(const QString& executableFolder, const QString& userConfigFolder,
                             const QString& installFolder, const QString& defaultStartFolder) {
    const bool besideExecutable =
        !sameFolder(executableFolder, installFolder) && canCreateFilesIn(executableFolder);
    const QString folder = besideExecutable ? executableFolder : userConfigFolder;
    const QString path = QDir(folder).filePath(fromUtf8(kSettingsFileName));
    return SettingsFile(filePathOf(path), filePathOf(QDir::toNativeSeparators(defaultStartFolder)));
}

QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists()) return documents;
    return QDir::homePath();
}

}  // namespace morlindo::ui
