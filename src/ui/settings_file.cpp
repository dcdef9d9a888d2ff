#include "ui/settings_file.h"

#include <QDir>
#include <QTemporaryFile>
#include <exception>

#include "io/input_file.h"
#include "io/output_file.h"
#include "io/system_text.h"
#include "ui/qt_text.h"

namespace morlindo::ui {
namespace {

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

}  // namespace

std::filesystem::path SettingsFile::readStartFolder() const {
    try {
        InputFile file(path_);
        LineReader lines(file);
        std::string_view first;
        if (lines.next(first)) return pathFromSystemText(first);
    } catch (const std::exception&) {
        // Missing or unreadable: as if there were no file.
    }
    return executableFolder_;
}

bool SettingsFile::writeStartFolder(const std::filesystem::path& startFolder) const noexcept {
    try {
        std::error_code ignored;
        std::filesystem::create_directories(path_.parent_path(), ignored);
        OutputFile file(path_);
        file.writeLine(systemText(startFolder));
        file.commit();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

SettingsFile settingsFileFor(const QString& executableFolder, const QString& userConfigFolder,
                             const QString& installFolder) {
    const bool besideExecutable =
        !sameFolder(executableFolder, installFolder) && canCreateFilesIn(executableFolder);
    const QString folder = besideExecutable ? executableFolder : userConfigFolder;
    const QString path = QDir(folder).filePath(fromUtf8(kSettingsFileName));
    return SettingsFile(filePathOf(path), filePathOf(QDir::toNativeSeparators(executableFolder)));
}

}  // namespace morlindo::ui
