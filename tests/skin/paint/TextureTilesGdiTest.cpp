#ifdef _WIN32
#include "skin/paint/TextureTiles_Gdi.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "bitmap/Bmp32.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/paint/PixelFills_Gdi.h"
#include "skin/paint/TextureTiles.h"

namespace skin::paint {
namespace {

TEST(TileTextureGdi, MaskTilesComeFromTheirOwnImageOrTheMasterImage) {
  bmp32::TCustomBitmap32 master;
  master.SetSize(4, 4);
  for (std::int32_t y = 0; y < 4; ++y)
    for (std::int32_t x = 0; x < 4; ++x) master.SetPixel(x, y, 0xFF000000u | static_cast<std::uint32_t>(16 * x + y));
  TsMaskData mask;
  mask.R = TRect{1, 1, 3, 2};  // 2 x 1 from the master image

  classlib::TBitmap dst;
  dst.SetPixelFormat(classlib::pf32bit);
  dst.SetSize(5, 4);
  TRect r{0, 0, 5, 4};
  TileTexture(&dst, r, nullptr, mask, 2, &master);
  EXPECT_EQ(r, (TRect{0, 1, 5, 4}));
  EXPECT_EQ(GetBmpPixel32(&dst, 0, 0), 0xFF000011u);
  EXPECT_EQ(GetBmpPixel32(&dst, 3, 0), 0xFF000021u);
  EXPECT_EQ(GetBmpPixel32(&dst, 0, 1), 0u);

  // The mask's own image wins over the master image.
  mask.Bmp = std::make_shared<bmp32::TCustomBitmap32>();
  mask.Bmp->SetSize(4, 4);
  for (std::int32_t y = 0; y < 4; ++y)
    for (std::int32_t x = 0; x < 4; ++x) mask.Bmp->SetPixel(x, y, 0xFF0000FFu);
  r = TRect{0, 0, 5, 4};
  TileTexture(&dst, r, nullptr, mask, 0, &master);
  EXPECT_EQ(r, NothingLeft);
  EXPECT_EQ(GetBmpPixel32(&dst, 4, 3), 0xFF0000FFu);

  // Bitmaps of other formats are left alone, and so is R.
  classlib::TBitmap rgb;
  rgb.SetPixelFormat(classlib::pf24bit);
  rgb.SetSize(5, 4);
  r = TRect{0, 0, 5, 4};
  TileTexture(&rgb, r, nullptr, mask, 0, &master);
  EXPECT_EQ(r, (TRect{0, 0, 5, 4}));
}

}  // namespace
}  // namespace skin::paint
#endif
