// The help viewer's view size and the twips/pixels conversions.
#include <gtest/gtest.h>

#include "shell/help_view_size.h"

using namespace quorin;

namespace {

TEST(HelpViewSize, HundredTwipsOffEachSideAndNeverNegative) {
  HelpViewSize s = helpViewSize(3000, 2000);
  EXPECT_EQ(s.widthTwips, 2900);
  EXPECT_EQ(s.heightTwips, 1900);

  s = helpViewSize(100, 101);
  EXPECT_EQ(s.widthTwips, 0);
  EXPECT_EQ(s.heightTwips, 1);

  s = helpViewSize(40, 0);  // a window shrunk below the margin
  EXPECT_EQ(s.widthTwips, 0);
  EXPECT_EQ(s.heightTwips, 0);
}

TEST(HelpViewSize, TwipsAndPixels) {
  EXPECT_EQ(pixelsToTwips(200), 3000);  // 15 twips a pixel at 96 dpi
  EXPECT_EQ(twipsToPixels(3000), 200);
  EXPECT_EQ(twipsToPixels(2900), 193);  // 193.33 rounds down
  EXPECT_EQ(twipsToPixels(1900), 127);  // 126.67 rounds up
  EXPECT_EQ(twipsToPixels(100), 7);
  EXPECT_EQ(pixelsToTwips(200, 120), 2400);  // 12 twips a pixel at 120 dpi
  EXPECT_EQ(twipsToPixels(2900, 144), 290);
  EXPECT_EQ(pixelsToTwips(10, 0), 150);  // no dpi known: 96
}

}  // namespace
