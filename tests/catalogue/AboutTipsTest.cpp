#include "app/catalogue/AboutTips.h"

#include <gtest/gtest.h>

namespace {

using namespace catalogue;

TEST(AboutTips, TwelveTipsBrowsedRound) {
  EXPECT_EQ(Tip(1), L"Użyj prawego przycisku myszy, aby wyświetlić rozszerzone opcje pól tekstowych.");
  EXPECT_EQ(Tip(12), L"Użyj prawego przycisku myszy w \"Notatkach\", aby otworzyć zawarte w nich adresy internetowe.");
  EXPECT_EQ(Tip(0), L"");
  EXPECT_EQ(Tip(13), L"");
  EXPECT_EQ(NextTip(12), 1);
  EXPECT_EQ(NextTip(5), 6);
  EXPECT_EQ(PreviousTip(1), 12);
  EXPECT_EQ(PreviousTip(5), 4);
  EXPECT_EQ(TipCounter(1), L"1/12");
}

}  // namespace
