// The settings file "MorlindoConverter.ini" keeps the one thing that
// outlives a run: startFolder, the folder the open-file dialog starts in. It
// is one line of text in the system's 8-bit code page, ended by CR LF; a
// reader takes the first line and ignores anything after it.
#pragma once

#include <QString>
#include <filesystem>
#include <string_view>

namespace morlindo::ui {

inline constexpr std::string_view kSettingsFileName = "MorlindoConverter.ini";

class SettingsFile {
public:
    // executableFolder is startFolder when the file has nothing to give.
    SettingsFile(std::filesystem::path path, std::filesystem::path executableFolder)
        : path_(std::move(path)), executableFolder_(std::move(executableFolder)) {}

    const std::filesystem::path& path() const { return path_; }

    // The file's first line. A file that is missing, empty or unreadable
    // gives the executable's folder.
    std::filesystem::path readStartFolder() const;

    // Replaces the file with startFolder and CR LF, creating its folder if
    // need be. Never throws: returns false when the file cannot be written.
    bool writeStartFolder(const std::filesystem::path& startFolder) const noexcept;

private:
    std::filesystem::path path_;
    std::filesystem::path executableFolder_;
};

// The settings file beside the executable, or the same file in the per-user
// configuration folder for a program run from the folder it was installed
// to (installFolder; an installed program leaves its folders to the package
// manager even where the user may write there, as root may in /usr/bin) or
// from a folder that cannot be written.
SettingsFile settingsFileFor(const QString& executableFolder, const QString& userConfigFolder,
                             const QString& installFolder);

}  // namespace morlindo::ui
