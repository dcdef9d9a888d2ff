#include "ui/settings_file.h"

#include <gtest/gtest.h>

#include "support/test_files.h"
#include "ui/qt_text.h"

namespace morlindo::ui {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

TEST(SettingsFile, ReadsTheFirstLineOrFallsBackOnTheExecutablesFolder) {
    struct Case {
        std::string name;
        std::optional<std::string> content;  // nothing: no file
        std::string startFolder;
    };
    const Case cases[] = {
        {"no file", std::nullopt, "exe"},
        {"one line", std::string("D:\\gps\r\n"), "D:\\gps"},
        {"several lines", std::string("first\r\nsecond\r\n"), "first"},
        {"an empty first line", std::string("\r\nsecond\r\n"), ""},
        {"an empty file", std::string(), "exe"},
        {"code page bytes", std::string("\xB0\xA1\r\n"), "\xB0\xA1"},
    };
    TempDir dir;
    const SettingsFile settings(dir / "MorlindoConverter.ini", "exe");
    for (const auto& c : cases) {
        std::filesystem::remove(settings.path());
        if (c.content) writeFile(settings.path(), *c.content);
        EXPECT_EQ(settings.read().startFolder, c.startFolder) << c.name;
    }
    std::filesystem::remove(settings.path());
    std::filesystem::create_directory(settings.path());
    EXPECT_EQ(settings.read().startFolder, "exe") << "unreadable";
}

TEST(SettingsFile, WritesOneLineAndSurvivesAFolderItCannotWrite) {
    TempDir dir;
    const SettingsFile settings(dir / "MorlindoConverter.ini", "exe");
    writeFile(settings.path(), "old\r\nlonger old content\r\n");
    EXPECT_TRUE(settings.write({"D:\\gps"}));
    EXPECT_EQ(readFile(settings.path()), "D:\\gps\r\n");
    EXPECT_EQ(settings.read().startFolder, "D:\\gps");

    writeFile(dir / "file", "x");
    const SettingsFile blocked(dir / "file" / "MorlindoConverter.ini", "exe");
    EXPECT_FALSE(blocked.write({"D:\\gps"}));
}

TEST(SettingsFile, LivesBesideTheExecutableUnlessInstalledThereOrClosed) {
    TempDir dir;
    std::filesystem::create_directory(dir / "bin");
    writeFile(dir / "file", "x");
    const auto qPath = [](const std::filesystem::path& path) {
        return QString::fromStdString(path.string());
    };
    const QString user = qPath(dir / "user" / "config");
    const auto userFile = dir / "user" / "config" / "MorlindoConverter.ini";

    const SettingsFile beside =
        settingsFileFor(qPath(dir / "bin"), user, qPath(dir / "usr"), QStringLiteral("docs"));
    EXPECT_EQ(beside.path(), dir / "bin" / "MorlindoConverter.ini");
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"bin", "file"}));
    EXPECT_TRUE(std::filesystem::is_empty(dir / "bin"));
    // Run from the folder it was installed to: the per-user folder, even
    // though this one could be written.
    const auto installed = dir / "bin" / ".." / "bin";
    EXPECT_EQ(
        settingsFileFor(qPath(dir / "bin"), user, qPath(installed), QStringLiteral("docs")).path(),
        userFile);

    // A folder where no file can be created: the per-user folder instead,
    // for reading and writing alike.
    const auto closed = dir / "file" / "bin";
    const SettingsFile fallback =
        settingsFileFor(qPath(closed), user, qPath(dir / "usr"), QStringLiteral("docs"));
    EXPECT_EQ(fallback.path(), userFile);
    EXPECT_EQ(fallback.read().startFolder, "docs");
    EXPECT_TRUE(fallback.write({"somewhere"}));
    EXPECT_EQ(readFile(userFile), "somewhere\r\n");
    EXPECT_EQ(settingsFileFor(qPath(closed), user, qPath(dir / "usr"), QStringLiteral("docs"))
                  .read()
                  .startFolder,
              "somewhere");
}

// The window's settings follow the first line; a file of the first line
// alone, or with lines not understood, gives the start values.
TEST(SettingsFile, KeepsTheWindowsSettingsAfterTheFirstLine) {
    TempDir dir;
    const SettingsFile file(dir / "MorlindoConverter.ini", "exe");
    const Settings all{"D:\\gps", QRect(-5, 20, 900, 700), true, 240, "D:\\out", true};
    EXPECT_TRUE(file.write(all));
    EXPECT_EQ(readFile(file.path()),
              "D:\\gps\r\nwindow=-5,20,900,700\r\nmaximized=1\r\npreview=240\r\n"
              "outputFolder=D:\\out\r\nexistingOutputs=skip\r\n");
    EXPECT_EQ(file.read(), all);
    writeFile(file.path(), "D:\\gps\r\nwindow=1,2,0,4\r\nwindow=1,2\r\npreview=x\r\nnoise\r\n");
    EXPECT_EQ(file.read(), Settings{"D:\\gps"});
}

}  // namespace
}  // namespace morlindo::ui
