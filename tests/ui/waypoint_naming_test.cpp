#include "ui/waypoint_naming.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "ui/waypoint_naming_group.h"

namespace morlindo::ui {
namespace {

std::string text(const QString& value) { return value.toStdString(); }

TEST(WaypointNaming, PrefixLimitHasOnlyTwoSteps) {
    const std::pair<int, int> cases[] = {{0, 3},  {6, 3},  {8, 3},  {9, 3},
                                         {10, 7}, {15, 7}, {62, 7}, {32767, 7}};
    for (const auto& [nameSize, limit] : cases)
        EXPECT_EQ(prefixLimitFor(nameSize), limit) << nameSize;
}

TEST(WaypointNaming, NameSizeIsASixteenBitNumberOrNothing) {
    const std::pair<std::string, std::optional<int>> cases[] = {{"10", 10},
                                                                {"0", 0},
                                                                {"007", 7},
                                                                {"32767", 32767},
                                                                {"32768", std::nullopt},
                                                                {"99999999", std::nullopt},
                                                                {"", std::nullopt},
                                                                {"-1", std::nullopt},
                                                                {"1a", std::nullopt},
                                                                {" 1", std::nullopt}};
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(nameSizeFromText(input), expected) << input;
}

class NamingGroupTest : public testing::Test {
protected:
    NamingGroupTest() { group.fillGpsModelList(); }

    void chooseModel(const char* name) {
        const int index = group.cmbGarminGps.findText(QString::fromLatin1(name));
        ASSERT_GE(index, 0) << name;
        group.cmbGarminGps.setCurrentIndex(index);
    }
    std::string prefix() const { return text(group.txtWptNamePrefix.text()); }
    std::string size() const { return text(group.txtWptNameSize.text()); }
    std::string example() const { return text(group.lblWptNameEx.text()); }
    int limit() const { return group.txtWptNamePrefix.maxLength(); }

    WaypointNamingGroup group;
};

TEST_F(NamingGroupTest, StartsOnETrexLegendVista) {
    std::vector<std::pair<std::string, int>> models;
    for (int i = 0; i < group.cmbGarminGps.count(); ++i) {
        models.emplace_back(text(group.cmbGarminGps.itemText(i)),
                            group.cmbGarminGps.itemData(i).toInt());
    }
    EXPECT_EQ(models, (std::vector<std::pair<std::string, int>>{{"eTrex Yellow", 6},
                                                                {"eTrex Venture", 10},
                                                                {"eTrex Legend/Vista", 10},
                                                                {"GPS V", 15},
                                                                {"Geko 201", 6},
                                                                {"Custom...", 6}}));
    EXPECT_EQ(group.cmbGarminGps.currentIndex(), 2);
    EXPECT_EQ(prefix(), "WPT");
    EXPECT_EQ(limit(), 7);
    EXPECT_EQ(size(), "10");
    EXPECT_FALSE(group.txtWptNameSize.isEnabled());
    EXPECT_EQ(example(), "(예) WPT001");
    EXPECT_EQ(text(group.lblPrefix.text()), "Wpt Name 머리글: ");
    EXPECT_EQ(text(group.lblSize.text()), "Wpt Name Size: ");
    EXPECT_EQ(text(group.lblNote.text()), "*종류에 따라 머리글의 크기를 제한");
    EXPECT_TRUE(group.txtWptNamePrefix.inputMethodHints() & Qt::ImhLatinOnly);
}

TEST_F(NamingGroupTest, ModelsLimitThePrefixForGood) {
    group.txtWptNamePrefix.setText(QStringLiteral("ABCDEFG"));
    chooseModel("GPS V");
    EXPECT_EQ(prefix(), "ABCDEFG");
    EXPECT_EQ(limit(), 7);
    EXPECT_EQ(size(), "15");

    chooseModel("eTrex Yellow");
    EXPECT_EQ(prefix(), "ABC");
    EXPECT_EQ(limit(), 3);
    EXPECT_EQ(example(), "(예) ABC001");

    chooseModel("eTrex Venture");
    EXPECT_EQ(prefix(), "ABC");
    EXPECT_EQ(limit(), 7);
}

TEST_F(NamingGroupTest, CustomSizeIsTypedInAndAppliedAtOnce) {
    group.txtWptNamePrefix.setText(QStringLiteral("ABCDEFG"));
    chooseModel("Custom...");
    EXPECT_EQ(size(), "6");
    EXPECT_TRUE(group.txtWptNameSize.isEnabled());
    EXPECT_EQ(prefix(), "ABC");
    EXPECT_EQ(limit(), 3);

    group.txtWptNameSize.setFocus();
    group.txtWptNameSize.end(false);
    QTest::keyClicks(&group.txtWptNameSize, QStringLiteral("x2-"));
    EXPECT_EQ(size(), "62");
    EXPECT_EQ(limit(), 7);

    // Backspace edits; an empty box or a number past 32767 keeps the limit.
    QTest::keyClick(&group.txtWptNameSize, Qt::Key_Backspace);
    EXPECT_EQ(size(), "6");
    EXPECT_EQ(limit(), 3);
    QTest::keyClick(&group.txtWptNameSize, Qt::Key_Backspace);
    EXPECT_EQ(size(), "");
    EXPECT_EQ(limit(), 3);
    QTest::keyClicks(&group.txtWptNameSize, QStringLiteral("12"));
    EXPECT_EQ(limit(), 7);
    QTest::keyClicks(&group.txtWptNameSize, QStringLiteral("123456"));
    EXPECT_EQ(size(), "12123456");
    EXPECT_EQ(limit(), 7);
    group.txtWptNameSize.clear();
    QTest::keyClicks(&group.txtWptNameSize, QStringLiteral("9"));
    EXPECT_EQ(limit(), 3);

    // Pasted text goes in only when it is all digits.
    QGuiApplication::clipboard()->setText(QStringLiteral("1a"));
    group.txtWptNameSize.paste();
    EXPECT_EQ(size(), "9");
    QGuiApplication::clipboard()->setText(QStringLiteral("1"));
    group.txtWptNameSize.paste();
    EXPECT_EQ(size(), "91");
    EXPECT_EQ(limit(), 7);

    // Another model puts its own size back and locks the box.
    chooseModel("Geko 201");
    EXPECT_EQ(size(), "6");
    EXPECT_FALSE(group.txtWptNameSize.isEnabled());
}

TEST_F(NamingGroupTest, TheExampleMarkerComesWithAModelAndGoesWithAnEdit) {
    group.txtWptNamePrefix.setText(QStringLiteral("TRK"));
    EXPECT_EQ(example(), "TRK001");
    chooseModel("GPS V");
    EXPECT_EQ(example(), "(예) TRK001");
    group.txtWptNamePrefix.setText(QString());
    EXPECT_EQ(example(), "001");
    // Picking the model that is already chosen is a choice too.
    group.cmbGarminGps.activated(group.cmbGarminGps.currentIndex());
    EXPECT_EQ(example(), "(예) 001");
}

}  // namespace
}  // namespace morlindo::ui
