#ifdef _WIN32
// A control's caption in its section's font colours.
#include <memory>

#include "SkinStateFixture.h"
#include "classlib/graphics/Colors.h"
#include "skin/common/SkinDataText.h"
#include "skin/controls/sStandardControls.h"
#include "skin/paint/ColorAdjust.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelFills_Gdi.h"

namespace skin_test {

using namespace classlib;
using namespace skin;
using namespace skin::paint;

using SkinDataTextTest = SkinStateFixture;

bool ShowsColour(TBitmap* bmp, TColor colour) {
  const std::uint32_t pixel = static_cast<std::uint32_t>(((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF));
  GdiFlush();
  for (int y = 0; y < bmp->Height(); ++y)
    for (int x = 0; x < bmp->Width(); ++x)
      if ((GetBmpPixel32(bmp, x, y) & 0xFFFFFF) == pixel) return true;
  return false;
}

TEST_F(SkinDataTextTest, TextTakesTheSectionsColoursUnlessTheFontIsOwn) {
  TsPanel* panel = Add<TsPanel>(nullptr);
  TsCommonData& data = *panel->SkinData();
  data.SetSkinSection(L"EDIT");
  data.UpdateIndexes();
  const TColor ownColour = 0x000000A0;
  const TColor disabled = MixColors(kEditFontColour, manager_->GetGlobalColor(), 0.4);
  struct Case {
    bool enabled, customFont;
    TColor shown;
  } cases[] = {{true, false, kEditFontColour}, {false, false, disabled}, {true, true, ownColour}};
  for (const Case& c : cases) {
    std::unique_ptr<TBitmap> bmp(NewBitmap32(80, 24));
    FillRect32(bmp.get(), TRect{0, 0, 80, 24}, clWhite, 255);
    bmp->Canvas()->Font()->SetColor(ownColour);
    bmp->Canvas()->Font()->SetHeight(-16);
    data.SetCustomFont(c.customFont);
    PaintSkinDataText(bmp->Canvas(), L"MMMM", c.enabled, false, data, DT_LEFT | DT_SINGLELINE, TRect{0, 0, 80, 24});
    EXPECT_TRUE(ShowsColour(bmp.get(), c.shown)) << c.enabled << c.customFont;
    EXPECT_EQ(bmp->Canvas()->Font()->Color(), ownColour);
  }
}

}  // namespace skin_test
#endif
