#include "skin/paint/PixelView.h"

#include <gtest/gtest.h>

#include "bitmap/Bmp32.h"

namespace skin::paint {
namespace {

TEST(PixelView, OfTheBitmapLibrarysBitmapIsTopDownWithoutPadding) {
  bmp32::TCustomBitmap32 bmp;
  bmp.SetSize(3, 2);
  bmp.SetPixel(2, 1, 0x11223344u);
  TPixelView view = ViewOf(&bmp);
  ASSERT_TRUE(view.Is32());
  EXPECT_EQ(view.Stride, 12);
  EXPECT_EQ(view.Pixel32(2, 1), 0x11223344u);
  EXPECT_FALSE(ViewOf(nullptr).Valid());
  bmp32::TCustomBitmap32 empty;
  EXPECT_FALSE(ViewOf(&empty).Valid());
}

}  // namespace
}  // namespace skin::paint

#ifdef _WIN32
#include "classlib/graphics/Bitmap.h"
#include "skin/paint/PixelView_Gdi.h"

namespace skin::paint {
namespace {

TEST(PixelViewGdi, Pf32BitmapsAreViewedTopRowFirstOthersRefused) {
  classlib::TBitmap bmp;
  bmp.SetPixelFormat(classlib::pf32bit);
  bmp.SetSize(5, 3);
  TPixelView view = ViewOf(&bmp);
  ASSERT_TRUE(view.Is32());
  EXPECT_EQ(view.Row(0), bmp.ScanLine(0));
  EXPECT_EQ(view.Row(2), bmp.ScanLine(2));

  bmp.SetPixelFormat(classlib::pf24bit);
  EXPECT_FALSE(ViewOf(&bmp).Valid());
  TPixelView view24 = ViewOf24or32(&bmp);
  ASSERT_TRUE(view24.Valid());
  EXPECT_EQ(view24.BytesPerPixel, 3);
  EXPECT_EQ(view24.Row(1), bmp.ScanLine(1));

  bmp.SetPixelFormat(classlib::pf8bit);
  EXPECT_FALSE(ViewOf24or32(&bmp).Valid());
  EXPECT_FALSE(ViewOf(static_cast<classlib::TBitmap*>(nullptr)).Valid());
}

}  // namespace
}  // namespace skin::paint
#endif
