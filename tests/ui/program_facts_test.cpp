#include "ui/twips.h"

#include <gtest/gtest.h>

namespace morlindo::ui {
namespace {

TEST(Twips, FifteenToThePixelAtNinetySixDotsPerInch) {
    EXPECT_EQ(twipsToPixels(12750, 96), 850);
    EXPECT_EQ(twipsToPixels(800, 96), 53);
    EXPECT_EQ(twipsToPixels(5000, 96), 333);
    EXPECT_EQ(twipsToPixels(1500, 144), 150);
}

}  // namespace
}  // namespace morlindo::ui
