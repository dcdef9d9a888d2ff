// The settings file "MorlindoConverter.ini": text in the system's 8-bit code
// page, each line ended by CR LF. Its first line is startFolder, the folder
// the open-file dialog starts in; a reader that knows nothing else takes
// that line and ignores the rest. The lines after it are "name=value"
// settings of the window, each written only when it differs from the
// start: where the window was and whether it was maximized, the height of
// the preview, the folder outputs go to, and whether existing outputs are
// skipped. Lines a reader does not know are passed over.
#pragma once

#include <QRect>
#include <QString>
#include <filesystem>
#include <optional>
#include <string_view>

namespace morlindo::ui {

inline constexpr std::string_view kSettingsFileName = "MorlindoConverter.ini";

struct Settings {
    std::filesystem::path startFolder;
    // The window's top left corner, frame included, and the size inside it.
    std::optional<QRect> window{};
    bool maximized = false;
    std::optional<int> previewHeight{};
    // Empty: each output beside its input.
    std::filesystem::path outputFolder{};
    bool skipExisting = false;

    bool operator==(const Settings&) const = default;
};

class SettingsFile {
public:
    // defaultStartFolder is startFolder when the file has nothing to give.
    SettingsFile(std::filesystem::path path, std::filesystem::path defaultStartFolder)
        : path_(std::move(path)), defaultStartFolder_(std::move(defaultStartFolder)) {}

    const std::filesystem::path& path() const { return path_; }

    // A file that is missing, empty or unreadable gives the default start
    // folder and nothing else.
    Settings read() const;

    // Replaces the file, creating its folder if need be. Never throws:
    // returns false when the file cannot be written.
    bool write(const Settings& settings) const noexcept;

private:
    std::filesystem::path path_;
    std::filesystem::path defaultStartFolder_;
};

// The settings file beside the executable, or the same file in the per-user
// configuration folder for a program run from the folder it was installed
// to (installFolder; an installed program leaves its folders to the package
// manager even where the user may write there, as root may in /usr/bin) or
// from a folder that cannot be written. The dialog first starts in
// defaultStartFolder.
SettingsFile settingsFileFor(const QString& executableFolder, const QString& userConfigFolder,
                             const QString& installFolder, const QString& defaultStartFolder);

// The user's documents folder, or the home folder where there is none.
QString documentsFolder();

}  // namespace morlindo::ui
