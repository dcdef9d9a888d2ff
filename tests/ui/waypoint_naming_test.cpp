#include "ui/waypoint_naming.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTest>

#include "ui/waypoint_naming_group.h"

namespace morlindo::ui {
namespace {

std::string text(const QString& value) { return value.toStdString(); }

class NamingGroupTest : public testing::Test {
protected:
    NamingGroupTest() { group.fillGpsModelList(); }

    template <typename Widget>
    Widget& child(const char* name) {
        auto* widget = group.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return *widget;
    }
    QComboBox& models() { return child<QComboBox>("cmbGarminGps"); }
    QLineEdit& prefixBox() { return child<QLineEdit>("txtWptNamePrefix"); }
    QLineEdit& sizeBox() { return child<QLineEdit>("txtWptNameSize"); }

    void chooseModel(const char* name) {
        const int index = models().findText(QString::fromLatin1(name));
        ASSERT_GE(index, 0) << name;
        models().setCurrentIndex(index);
    }
    std::string prefix() { return text(prefixBox().text()); }
    std::string size() { return text(sizeBox().text()); }
    std::string example() { return text(child<QLabel>("lblWptNameEx").text()); }
    int limit() { return prefixBox().maxLength(); }

    WaypointNamingGroup group;
};

TEST_F(NamingGroupTest, StartsOnETrexLegendVista) {
    EXPECT_EQ(text(models().currentText()), "eTrex Legend/Vista");
    EXPECT_EQ(prefix(), "WPT");
    EXPECT_EQ(limit(), 7);
    EXPECT_EQ(size(), "10");
    EXPECT_FALSE(sizeBox().isEnabled());
    EXPECT_EQ(example(), "(예) WPT001");
    EXPECT_TRUE(prefixBox().inputMethodHints() & Qt::ImhLatinOnly);
}

TEST_F(NamingGroupTest, ModelsLimitThePrefixForGood) {
    prefixBox().setText(QStringLiteral("ABCDEFG"));
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
    prefixBox().setText(QStringLiteral("ABCDEFG"));
    chooseModel("Custom...");
    EXPECT_EQ(size(), "6");
    EXPECT_TRUE(sizeBox().isEnabled());
    EXPECT_EQ(prefix(), "ABC");
    EXPECT_EQ(limit(), 3);

    sizeBox().setFocus();
    sizeBox().end(false);
    QTest::keyClicks(&sizeBox(), QStringLiteral("x2-"));
    EXPECT_EQ(size(), "62");
    EXPECT_EQ(limit(), 7);

    // Backspace edits; an empty box or a number past 32767 keeps the limit.
    QTest::keyClick(&sizeBox(), Qt::Key_Backspace);
    EXPECT_EQ(size(), "6");
    EXPECT_EQ(limit(), 3);
    QTest::keyClick(&sizeBox(), Qt::Key_Backspace);
    EXPECT_EQ(size(), "");
    EXPECT_EQ(limit(), 3);
    QTest::keyClicks(&sizeBox(), QStringLiteral("12"));
    EXPECT_EQ(limit(), 7);
    QTest::keyClicks(&sizeBox(), QStringLiteral("123456"));
    EXPECT_EQ(size(), "12123456");
    EXPECT_EQ(limit(), 7);
    sizeBox().clear();
    QTest::keyClicks(&sizeBox(), QStringLiteral("9"));
    EXPECT_EQ(limit(), 3);

    // Another model puts its own size back and locks the box.
    chooseModel("Geko 201");
    EXPECT_EQ(size(), "6");
    EXPECT_FALSE(sizeBox().isEnabled());
}

TEST_F(NamingGroupTest, TheExampleMarkerComesWithAModelAndGoesWithAnEdit) {
    prefixBox().setText(QStringLiteral("TRK"));
    EXPECT_EQ(example(), "TRK001");
    chooseModel("GPS V");
    EXPECT_EQ(example(), "(예) TRK001");
    prefixBox().setText(QString());
    EXPECT_EQ(example(), "001");
    // Picking the model that is already chosen is a choice too.
    models().activated(models().currentIndex());
    EXPECT_EQ(example(), "(예) 001");
}

}  // namespace
}  // namespace morlindo::ui
