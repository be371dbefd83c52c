#ifdef _WIN32
#include <gtest/gtest.h>

#include <memory>

#include "skin/controls/sBitBtn.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sGauge.h"

namespace app_test {

using namespace classlib;
using namespace skin;

TEST(SkinControls, GaugeClampsProgressToItsRange) {
  std::unique_ptr<TsGauge> gauge(New<TsGauge>(nullptr));
  gauge->SetMaxValue(20);
  gauge->SetProgress(25);
  EXPECT_EQ(gauge->Progress(), 20);
  EXPECT_EQ(gauge->PercentDone(), 100);
  gauge->SetProgress(-3);
  EXPECT_EQ(gauge->Progress(), 0);
  gauge->SetProgress(5);
  EXPECT_EQ(gauge->PercentDone(), 25);
  // A range narrowed below the value pulls the value in.
  gauge->SetMaxValue(4);
  EXPECT_EQ(gauge->Progress(), 4);
}

TEST(SkinControls, DownStaysUntilChanged) {
  std::unique_ptr<TsButton> button(New<TsButton>(nullptr));
  button->SetDown(true);
  EXPECT_TRUE(button->Down());
  std::unique_ptr<TsBitBtn> bitBtn(New<TsBitBtn>(nullptr));
  EXPECT_EQ(bitBtn->ImageIndex(), -1);
  bitBtn->SetDown(true);
  bitBtn->SetImageIndex(2);
  EXPECT_TRUE(bitBtn->Down());
  EXPECT_EQ(bitBtn->ImageIndex(), 2);
}

}  // namespace app_test
#endif
