// The resampler over the class library's bitmaps (Windows only).
#ifdef _WIN32
#include "skin/paint/Resample_Gdi.h"

#include <gtest/gtest.h>

#include "classlib/core/Exception.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/paint/ResampleFilters.h"

namespace skin::paint {
namespace {

using classlib::TBitmap;

// A Width x 2 bitmap, black but for its right column: BGR(A) all 255.
void MakeRightColumnWhite(TBitmap& bmp, classlib::TPixelFormat format, int width) {
  bmp.SetPixelFormat(format);
  bmp.SetSize(width, 2);
  const int bpp = format == classlib::pf32bit ? 4 : 3;
  for (int y = 0; y < 2; ++y) {
    for (int c = 0; c < bpp; ++c) bmp.ScanLine(y)[(width - 1) * bpp + c] = 255;
  }
}

TEST(ResampleBitmap, KeepsTheWorkingFormatAndResamplesAlphaOf32BitSources) {
  for (auto format : {classlib::pf24bit, classlib::pf32bit}) {
    TBitmap src, dst;
    MakeRightColumnWhite(src, format, 2);
    ResampleBitmap(&src, &dst, 4, 3, rfTriangle, 0);
    ASSERT_EQ(dst.PixelFormat(), format);
    ASSERT_EQ(dst.Width(), 4);
    ASSERT_EQ(dst.Height(), 3);
    EXPECT_EQ(src.PixelFormat(), format);
    const int bpp = format == classlib::pf32bit ? 4 : 3;
    for (int y = 0; y < 3; ++y) {
      const std::uint8_t* row = dst.ScanLine(y);
      for (int c = 0; c < bpp; ++c) {
        EXPECT_EQ(row[0 * bpp + c], 0);
        EXPECT_EQ(row[1 * bpp + c], 127);
        EXPECT_EQ(row[3 * bpp + c], 255);
      }
    }
  }
}

TEST(ResampleBitmap, OtherFormatsAreTurnedInto24BitInPlace) {
  TBitmap src, dst;
  src.SetPixelFormat(classlib::pf8bit);
  src.SetSize(4, 4);
  src.Canvas()->SetPixels(2, 2, 0xFFFFFF);
  ResampleBitmap(&src, &dst, 2, 2, rfBox, 0);
  EXPECT_EQ(src.PixelFormat(), classlib::pf24bit);
  EXPECT_EQ(dst.PixelFormat(), classlib::pf24bit);
  // Box halving reads pixels 1 and 2 for destination 1: a quarter of white.
  EXPECT_EQ(dst.Canvas()->Pixels(1, 1), 0x3F3F3F);
  EXPECT_EQ(dst.Canvas()->Pixels(0, 0), 0);
}

TEST(ResampleBitmap, ScalesABitmapIntoItself) {
  TBitmap bmp;
  MakeRightColumnWhite(bmp, classlib::pf32bit, 2);
  ResampleBitmap(&bmp, &bmp, 4, 2, rfTriangle, 0);
  ASSERT_EQ(bmp.Width(), 4);
  EXPECT_EQ(bmp.ScanLine(1)[4], 127);
  EXPECT_EQ(bmp.ScanLine(1)[12], 255);
}

TEST(ResampleBitmap, TheSameSizeAssigns) {
  TBitmap src, dst;
  MakeRightColumnWhite(src, classlib::pf32bit, 3);
  ResampleBitmap(&src, &dst, 3, 2, rfMitchell, 0);
  ASSERT_EQ(dst.PixelFormat(), classlib::pf32bit);
  ASSERT_EQ(dst.Width(), 3);
  EXPECT_EQ(dst.ScanLine(0)[8], 255);
  EXPECT_EQ(dst.ScanLine(0)[4], 0);
  ResampleBitmap(&src, &src, 3, 2, rfMitchell, 0);
  EXPECT_EQ(src.Width(), 3);
}

TEST(ResampleBitmap, TooSmallSourcesRaiseAndEmptyTargetsDoNothing) {
  TBitmap src, dst;
  src.SetPixelFormat(classlib::pf8bit);
  src.SetSize(1, 5);
  dst.SetPixelFormat(classlib::pf32bit);
  dst.SetSize(7, 7);
  try {
    ResampleBitmap(&src, &dst, 1, 9, rfMitchell, 0);  // only the height changes
    ADD_FAILURE() << "no exception";
  } catch (const classlib::Exception& e) {
    EXPECT_EQ(e.Message(), L"Source bitmap is too small");
  }
  EXPECT_EQ(src.PixelFormat(), classlib::pf8bit);
  EXPECT_EQ(dst.Width(), 7);

  MakeRightColumnWhite(src, classlib::pf24bit, 4);
  for (auto [w, h] : {std::pair{5, 0}, std::pair{0, 5}, std::pair{-3, 5}, std::pair{5, -1}}) {
    ResampleBitmap(&src, &dst, w, h, rfMitchell, 0);
    EXPECT_EQ(dst.Width(), 7);
    EXPECT_EQ(dst.Height(), 7);
    EXPECT_EQ(dst.PixelFormat(), classlib::pf32bit);
  }
}

}  // namespace
}  // namespace skin::paint
#endif
