// Section backgrounds of a loaded skin painted into the class library's
// bitmaps: the triangle gradient through the system's gradient fill, and a
// 30 % texture under a 70 % gradient.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include "FixtureSkin.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"

namespace skin::paint {
namespace {

// Triangle vertices: top-left red, centre green, top-right blue, bottom-right
// red, bottom-left blue.
constexpr char kOptions[] =
    "[GLOBALINFO]\r\nVERSION=8.0\r\nMASTERBITMAP=MASTER.BMP\r\nCOLOR=8421504\r\n"
    "[PANEL]\r\nCOLOR=65535\r\nGRADIENTPERCENT=100\r\n"
    "GRADIENTDATA=255;0;0;2;0;65280;0;0;2;0;16711680;0;0;2;0;255;0;0;2;0;16711680;0;0;2;0\r\n"
    "[TEXTURED]\r\nCOLOR=65535\r\nIMAGEPERCENT=30\r\nGRADIENTPERCENT=70\r\nGRADIENTDATA=0;0;100;0;0\r\n"
    "PATTERN=~0000,0000,0004,0004,00\r\n";

TEST(SectionFillsGdi, TrianglesAndABlendedTextureFromTheSkin) {
  testing::TFixtureSkin skin(kOptions, 4, 4, [](int, int) { return 0x808080u; });
  TsSkinManager* manager = skin.Manager();
  ASSERT_NE(manager->Skin(), nullptr);
  classlib::TBitmap bmp;
  bmp.SetPixelFormat(classlib::pf32bit);
  bmp.SetSize(40, 20);
  PaintSectionBackground32(manager->GetSkinIndex(L"PANEL"), 0, TRect{0, 0, 40, 20}, TPoint{}, &bmp, manager, 0, 0,
                           0xFF00FF);
  GdiFlush();
  const TPixelView view = ViewOf(&bmp);
  EXPECT_EQ(view.Pixel32(0, 0) & 0xFFFFFFu, 0xFF0000u);   // red
  EXPECT_EQ(view.Pixel32(20, 10) & 0xFFFFFFu, 0x00FF00u);  // green
  for (std::int32_t y = 0; y < 20; ++y)
    for (std::int32_t x = 0; x < 40; ++x) {  // every pixel painted, opaque
      ASSERT_EQ(view.Pixel32(x, y) >> 24, 0xFFu) << x << "," << y;
      ASSERT_NE(view.Pixel32(x, y) & 0xFFFFFFu, 0u) << x << "," << y;
    }

  PaintSectionBackground32(manager->GetSkinIndex(L"TEXTURED"), 0, TRect{0, 0, 40, 20}, TPoint{}, &bmp, manager, 0, 0,
                           0xFF00FF);
  GdiFlush();
  // Each channel (0 x 256 + 128 x 76) shr 8, 76 = 30 x 255 div 100.
  EXPECT_EQ(view.Pixel32(0, 0), 0xFF262626u);
  EXPECT_EQ(view.Pixel32(39, 19), 0xFF262626u);
}

}  // namespace
}  // namespace skin::paint
#endif
