#ifdef _WIN32
// The welcome panel keeps its own dark colour and its labels their own
// font colours under the skin; the service mark keeps its red.
#include <gtest/gtest.h>

#include "AppTestFolder.h"
#include "skin/controls/sLabels.h"
#include "skin/controls/sPanel.h"
#include "skin/paint/PixelFills_Gdi.h"

namespace app_test {

using namespace classlib;
using WelcomeColoursTest = AppTestFolder;

TEST_F(WelcomeColoursTest, WelcomePanelAndLabelsKeepTheFormsColours) {
  app::TForm1& form = Form();
  form.Show();
  ASSERT_TRUE(form.sPanel4->SkinData()->CustomColor());
  form.sPanel4->PrepareCache();
  const TPoint middle{form.sPanel4->Width() / 2, form.sPanel4->Height() / 2};
  const std::uint32_t pixel = skin::paint::GetBmpPixel32(form.sPanel4->SkinData()->CacheBmp(), middle.X, middle.Y);
  EXPECT_EQ(pixel & 0xFFFFFF, 0x303030u);
  for (skin::TsLabel* label : {form.sLabel1, form.sLabel2, form.sLabel3}) {
    const TColor own = label->Font()->Color();
    EXPECT_EQ(label->GetCurrentFont()->Color(), own) << label->Name();
  }
  EXPECT_EQ(form.sWebLabel1->GetCurrentFont()->Color(), clRed);
}

}  // namespace app_test
#endif
