#ifdef _WIN32
// Corners and borders from the parent's background.
#include <memory>

#include "SkinStateFixture.h"
#include "skin/common/ParentBorders.h"
#include "skin/controls/sStandardControls.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelFills_Gdi.h"

namespace skin_test {

using namespace classlib;
using namespace skin;
using namespace skin::paint;

using ParentBordersTest = SkinStateFixture;

TsPanel* ButtonPanel(TsPanel* panel) {
  panel->SkinData()->SetSkinSection(L"BUTTON");
  panel->SkinData()->UpdateIndexes();
  return panel;
}

TEST_F(ParentBordersTest, KeyCornersTakeTheParentsColour) {
  TsCommonData& data = *ButtonPanel(Add<TsPanel>(nullptr))->SkinData();
  ASSERT_GE(data.BorderIndex, 0);
  data.InitCacheBmp();
  TBitmap* cache = data.CacheBmp();
  ASSERT_EQ(cache->PixelFormat(), pf32bit);
  const TRect all{0, 0, cache->Width(), cache->Height()};
  FillRect32(cache, all, 0x00123456, 255);
  CopyParentCorners(data, 0, 0);  // no corner asked for
  EXPECT_EQ(GetBmpPixel32(cache, 0, 0) & 0xFFFFFF, 0x563412u);
  CopyParentCorners(data, 0, cbTopLeft | cbTopRight);
  EXPECT_EQ(GetBmpPixel32(cache, 0, 0) & 0xFFFFFF, 0xFFFFFFu);  // the form is white
  EXPECT_EQ(GetBmpPixel32(cache, 1, 0) & 0xFFFFFF, 0x563412u);  // not a key pixel of the mask
}

TEST_F(ParentBordersTest, BorderFromTheParentGivesTheInnerRectangle) {
  TsCommonData& data = *ButtonPanel(Add<TsPanel>(nullptr, 10, 10, 120, 24))->SkinData();
  std::unique_ptr<TBitmap> target(NewBitmap32(120, 24));
  FillRect32(target.get(), TRect{0, 0, 120, 24}, 0x00123456, 255);
  const HDC dc = target->Canvas()->Handle();
  TRect client{};
  PaintBorderFromParent(dc, TRect{0, 0, 120, 24}, 0, data, 0, client);
  EXPECT_EQ(client.Left, 3);
  EXPECT_EQ(client.Top, 3);
  EXPECT_EQ(client.Right, 117);
  EXPECT_EQ(client.Bottom, 21);
  PaintBorderFromParent(dc, TRect{0, 0, 120, 24}, 5, data, 0, client);
  EXPECT_EQ(client.Left, 5);
  EXPECT_EQ(client.Bottom, 19);
  GdiFlush();
  // The ring reached the DC, the inside did not.
  EXPECT_EQ(GetBmpPixel32(target.get(), 2, 12), GetBmpPixel32(data.CacheBmp(), 2, 12));
  EXPECT_EQ(GetBmpPixel32(target.get(), 60, 12) & 0xFFFFFF, 0x563412u);
}

}  // namespace skin_test
#endif
