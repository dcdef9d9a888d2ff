#include <QTest>

#include "ui/color_swatch.h"
#include "window_fixture.h"

namespace morlindo::test {
namespace {

std::string trackLine(const std::filesystem::path& plt) {
    const std::string content = readFile(plt);
    std::size_t start = 0;
    for (int line = 1; line < 5; ++line) start = content.find("\r\n", start) + 2;
    return content.substr(start, content.find("\r\n", start) - start);
}

TEST_F(WindowTest, AChosenColourReachesTheFileAndACancelledOneChangesNothing) {
    writeFile(dir / "walk.alr", almapFile({{127.0, 37.5}}));
    fileDialog.answers = {{dir / "walk.alr"}};
    startWindow(true);
    auto& colorButton = child<QAbstractButton>(QStringLiteral("cmdColorSelectTrk"));

    colors.answers = {16711680};
    QTest::mouseClick(&colorButton, Qt::LeftButton);
    clickConvert("cmdTarvexTrack");
    EXPECT_EQ(trackLine(dir / "walk.plt"), "0,2,16711680,walk,1,0,0,16711680");

    colors.answers = {std::nullopt};
    colorButton.click();
    clickConvert("cmdTarvexTrack");
    EXPECT_EQ(trackLine(dir / "walk.plt"), "0,2,16711680,walk,1,0,0,16711680");

    colors.answers = {0};
    colorButton.click();
    clickConvert("cmdTarvexTrack");
    EXPECT_EQ(trackLine(dir / "walk.plt"), "0,2,0,walk,1,0,0,0");
    EXPECT_EQ(colors.openedAt, (std::vector<std::int32_t>{255, 16711680, 16711680}));
}

TEST_F(WindowTest, EverySwatchKeepsItsOwnColour) {
    startWindow();
    const std::pair<const char*, const char*> names[] = {
        {"cmdColorSelectTrk", "shTrkColor"},         {"cmdRteColorSelect", "shRteColor"},
        {"cmdRteWptColorSelectF", "shRteWptColorF"}, {"cmdRteWptColorSelectB", "shRteWptColorB"},
        {"cmdColorSelectWptF", "shWptFColor"},       {"cmdColorSelectWptB", "shWptBColor"},
        {"cmdNtrkColorSelect", "shNTrkColor"}};
    std::vector<std::pair<QAbstractButton*, ui::ColorSwatch*>> pairs;
    for (const auto& [button, swatch] : names) {
        pairs.emplace_back(&child<QAbstractButton>(QString::fromLatin1(button)),
                           &child<ui::ColorSwatch>(QString::fromLatin1(swatch)));
    }
    const std::int32_t start[] = {255, 255, 255, 16777215, 255, 16777215, 255};
    for (std::size_t i = 0; i < std::size(pairs); ++i) {
        EXPECT_EQ(pairs[i].second->color(), start[i]) << i;
    }
    // Each button opens the dialog at its own swatch's colour, whatever the
    // one before it chose, and changes only its own swatch.
    for (std::size_t i = 0; i < std::size(pairs); ++i) {
        colors.answers = {static_cast<std::int32_t>(1000 + i)};
        pairs[i].first->click();
        EXPECT_EQ(colors.openedAt.back(), start[i]) << i;
        for (std::size_t j = 0; j < std::size(pairs); ++j) {
            EXPECT_EQ(pairs[j].second->color(),
                      j <= i ? static_cast<std::int32_t>(1000 + j) : start[j])
                << i << " " << j;
        }
    }
    EXPECT_EQ(pairs[0].second->palette().color(QPalette::Window), ui::qColorOf(1000));
}

}  // namespace
}  // namespace morlindo::test
