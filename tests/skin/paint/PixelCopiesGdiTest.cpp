// The class-library edge of the copies, blends and nine-piece copy.
#ifdef _WIN32
#include "skin/paint/PixelCopies_Gdi.h"

#include <gtest/gtest.h>

#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "skin/paint/PixelView_Gdi.h"

namespace skin::paint {
namespace {

std::unique_ptr<TBitmap> Filled(std::int32_t w, std::int32_t h, std::uint32_t pixel,
                                classlib::TPixelFormat format = classlib::pf32bit) {
  auto bmp = std::make_unique<TBitmap>();
  bmp->SetPixelFormat(classlib::pf32bit);
  bmp->SetSize(w, h);
  const TPixelView view = ViewOf(bmp.get());
  for (std::int32_t y = 0; y < h; ++y)
    for (std::int32_t x = 0; x < w; ++x) view.Pixel32(x, y) = pixel;
  if (format != classlib::pf32bit) bmp->SetPixelFormat(format);
  return bmp;
}

std::uint32_t PixelAt(TBitmap* bmp, std::int32_t x, std::int32_t y) { return ViewOf(bmp).Pixel32(x, y); }

TEST(NewBitmap32, MakesPf32BitBitmapsAndLikeCopiesSizeAndFormat) {
  std::unique_ptr<TBitmap> bmp(NewBitmap32(5, 3));
  EXPECT_EQ(bmp->PixelFormat(), classlib::pf32bit);
  EXPECT_EQ(bmp->Width(), 5);
  EXPECT_EQ(bmp->Height(), 3);
  std::unique_ptr<TBitmap> negative(NewBitmap32(-4, 2));
  EXPECT_TRUE(negative->Empty());

  auto grey = Filled(4, 2, 0, classlib::pf24bit);
  std::unique_ptr<TBitmap> like(NewBitmapLike(grey.get()));
  EXPECT_EQ(like->PixelFormat(), classlib::pf24bit);
  EXPECT_EQ(like->Width(), 4);
  EXPECT_EQ(like->Height(), 2);
}

TEST(RotateBitmap90, ATwentyFourBitBitmapGivesNothingAndIsStillFreedWhenAsked) {
  TBitmap* bmp = Filled(3, 2, 0, classlib::pf24bit).release();
  EXPECT_EQ(RotateBitmap90(bmp, true, false), nullptr);
  EXPECT_NE(bmp, nullptr);  // kept without FreeSource
  EXPECT_EQ(RotateBitmap90(bmp, true, true), nullptr);
  EXPECT_EQ(bmp, nullptr);

  TBitmap* none = nullptr;
  EXPECT_EQ(RotateBitmap90(none, false, true), nullptr);
}

TEST(RotateBitmap90, Pf32BitmapsTurnIntoANewBitmapAndTheSourceGoesWhenAsked) {
  TBitmap* bmp = Filled(3, 2, 0x11u).release();
  ViewOf(bmp).Pixel32(0, 0) = 0x22u;
  std::unique_ptr<TBitmap> turned(RotateBitmap90(bmp, true, true));
  EXPECT_EQ(bmp, nullptr);
  ASSERT_NE(turned, nullptr);
  EXPECT_EQ(turned->PixelFormat(), classlib::pf32bit);
  EXPECT_EQ(turned->Width(), 2);
  EXPECT_EQ(turned->Height(), 3);
  EXPECT_EQ(PixelAt(turned.get(), 1, 0), 0x22u);  // (0, 0) to (H - 1 - 0, 0)
}

TEST(PixelCopiesGdi, DestinationsThatAreNot32BitAreLeftAlone) {
  auto src = Filled(2, 2, 0xFF102030u);
  auto dst = Filled(2, 2, 0x00405060u, classlib::pf24bit);
  CopyKeyedRect(dst.get(), src.get(), 0, 0, TRect{0, 0, 1, 1}, 0xFF00FF, EmptyCacheInfo);
  BlendRect256(dst.get(), src.get(), 0, TPoint{0, 0}, TRect{0, 0, 2, 2});
  CopyAlphaBitmap(TRect{0, 0, 2, 2}, TRect{0, 0, 2, 2}, dst.get(), src.get(), EmptyCacheInfo, false,
                  classlib::clNone, 0, false);
  const std::uint8_t* row = dst->ScanLine(1);
  EXPECT_EQ(row[0], 0x60);
  EXPECT_EQ(row[2], 0x40);
}

TEST(PixelCopiesGdi, CopyAlphaBitmapSwitchesItsSourceTo32Bit) {
  auto src = Filled(2, 2, 0xFF102030u, classlib::pf24bit);
  auto dst = Filled(2, 2, 0);
  CopyAlphaBitmap(TRect{0, 0, 2, 2}, TRect{0, 0, 2, 2}, dst.get(), src.get(), EmptyCacheInfo, false,
                  classlib::clNone, 0, false);
  EXPECT_EQ(src->PixelFormat(), classlib::pf32bit);
}

TEST(PixelCopiesGdi, BlendBitmapsMakesAMissingDestination) {
  auto a = Filled(3, 2, 0xFF808080u);
  auto b = Filled(3, 2, 0xFF000000u);
  TBitmap* dst = nullptr;
  BlendBitmaps(dst, a.get(), b.get(), 128, nullptr);
  std::unique_ptr<TBitmap> owned(dst);
  ASSERT_NE(dst, nullptr);
  EXPECT_EQ(dst->Width(), 3);
  EXPECT_EQ(PixelAt(dst, 2, 1), 0xFF404040u);
}

TEST(PixelCopiesGdi, KeysTakeTheParentImageOfTheCacheRecord) {
  auto src = Filled(2, 1, 0x00FF00FFu);
  auto dst = Filled(2, 1, 0);
  auto parent = Filled(4, 4, 0xFF0000FFu, classlib::pf24bit);  // read like a canvas, any depth
  CopyTransRect(TRect{0, 0, 1, 0}, TRect{0, 0, 1, 0}, dst.get(), true, MakeCacheInfo(parent.get(), 1, 1), src.get());
  EXPECT_EQ(PixelAt(dst.get(), 0, 0), 0xFF0000FFu);
}

TEST(PixelCopiesGdi, ChannelsGoToAndFromPf8BitBitmapsOnly) {
  auto wide = Filled(3, 2, 0x80112233u);
  TBitmap narrow;
  narrow.SetPixelFormat(classlib::pf8bit);
  narrow.SetSize(3, 2);
  CopyBitmapChannel(wide.get(), &narrow, 3, true);
  EXPECT_EQ(narrow.ScanLine(1)[2], 0x80);
  narrow.ScanLine(0)[1] = 0x05;
  CopyBitmapChannel(wide.get(), &narrow, 0, false);
  EXPECT_EQ(PixelAt(wide.get(), 1, 0), 0x80112205u);
  auto notNarrow = Filled(3, 2, 0, classlib::pf24bit);
  CopyBitmapChannel(wide.get(), notNarrow.get(), 0, false);
  EXPECT_EQ(PixelAt(wide.get(), 0, 1), 0x80112280u);
}

TEST(PaintNinePieces, DrawsThroughTheCanvasesCornersAndTiledCentre) {
  auto src = Filled(3, 3, 0x00000011u);
  ViewOf(src.get()).Pixel32(0, 0) = 0x00000022u;
  ViewOf(src.get()).Pixel32(1, 1) = 0x00000033u;
  auto dst = Filled(6, 6, 0);
  PaintNinePieces(dst.get(), src.get(), TRect{0, 0, 6, 6}, true, 0, {0, 0, 0, 0}, TRect{1, 1, 1, 1},
                  TRect{1, 1, 1, 1}, TRect{0, 0, 3, 3});
  EXPECT_EQ(PixelAt(dst.get(), 0, 0) & 0xFFFFFFu, 0x22u);
  EXPECT_EQ(PixelAt(dst.get(), 3, 4) & 0xFFFFFFu, 0x33u);
  EXPECT_EQ(PixelAt(dst.get(), 5, 5) & 0xFFFFFFu, 0x11u);
}

TEST(PaintBitmapGlyph, TakesGlyphsOfAnyDepthAndLeavesThemUnchanged) {
  auto glyph = Filled(4, 2, 0x00102030u, classlib::pf24bit);
  std::uint8_t* keyPixel = ViewOf24or32(glyph.get()).Row(1) + 2 * 3;  // frame 1's bottom-left: the key
  keyPixel[0] = keyPixel[1] = keyPixel[2] = 0;
  auto dst = Filled(4, 2, 0x7u);
  PaintBitmapGlyph(glyph.get(), dst.get(), TRect{0, 0, 2, 2}, 0, false, 0, 1, 0, true, 2);
  EXPECT_EQ(glyph->PixelFormat(), classlib::pf24bit);
  EXPECT_EQ(PixelAt(dst.get(), 0, 0) & 0xFFFFFFu, 0x102030u);
  EXPECT_EQ(PixelAt(dst.get(), 0, 1), 0x7u);
  PaintBitmapGlyph(glyph.get(), dst.get(), TRect{0, 0, 2, 2}, 0, false, 0, 1, 0, true, 0);
  PaintBitmapGlyph(nullptr, dst.get(), TRect{0, 0, 2, 2}, 0, false, 0, 1, 0, true, 1);
}

}  // namespace
}  // namespace skin::paint
#endif
