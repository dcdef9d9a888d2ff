#include "ui/program_facts.h"

#include <gtest/gtest.h>

#include "ui/option_lists.h"
#include "ui/twips.h"

namespace morlindo::ui {
namespace {

TEST(ProgramFacts, TitleAndAboutText) {
    EXPECT_EQ(mainWindowTitle(),
              "AlMap Track & NMEA <--> Ozi Track/Route/WayPoints & NMEA(Ver. 1.1.1)");
    EXPECT_EQ(aboutText("by us"),
              "          MorlindoConverter Version 1.1          \r\n"
              "          by us          ");
}

TEST(OptionLists, TimeZoneLabelsGiveTheShiftApplied) {
    const std::tuple<int, std::string, int> cases[] = {{0, "GMT-12", -12}, {11, "GMT-1", -1},
                                                       {12, "GMT+0", 0},   {21, "GMT+9", 9},
                                                       {22, "GMT+10", 10}, {25, "GMT+13", 13}};
    for (const auto& [index, label, hours] : cases) {
        EXPECT_EQ(timeZoneLabel(index), label);
        EXPECT_EQ(timeZoneHoursAt(index), hours);
    }
    EXPECT_EQ(kTimeZoneCount, 26);
    EXPECT_EQ(timeZoneLabel(kTimeZoneStart), "GMT+9");
}

TEST(Twips, FifteenToThePixelAtNinetySixDotsPerInch) {
    EXPECT_EQ(twipsToPixels(12750, 96), 850);
    EXPECT_EQ(twipsToPixels(9090, 96), 606);
    EXPECT_EQ(twipsToPixels(800, 96), 53);
    EXPECT_EQ(twipsToPixels(5000, 96), 333);
    EXPECT_EQ(twipsToPixels(1500, 144), 150);
}

}  // namespace
}  // namespace morlindo::ui
