#include "skin/paint/Gradient.h"

#include <gtest/gtest.h>

#include "GuardedImage.h"

namespace skin::paint {
namespace {

constexpr std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return a << 24 | r << 16 | g << 8 | b;
}
constexpr std::uint32_t Untouched = 0x11223344u;

TEST(Gradient, VerticalTwoStepsRedToGreenToBlueShareTheMiddleRow) {
  TGuardedImage img(6, 12, Untouched);
  PaintGradient(img.View(), TRect{0, 0, 4, 11},
                ParseGradientData(L"255;65280;50;0;0;65280;16711680;50;0;0"));
  for (std::uint32_t k = 0; k <= 5; ++k)
    for (std::int32_t x = 0; x < 4; ++x) {
      if (k < 5) {
        EXPECT_EQ(img.At(x, static_cast<std::int32_t>(k)), Argb(255, 255 - 51 * k, 51 * k, 0)) << k;
      }
      EXPECT_EQ(img.At(x, static_cast<std::int32_t>(5 + k)), Argb(255, 0, 255 - 51 * k, 51 * k)) << k;
    }
  for (std::int32_t y = 0; y < 12; ++y) {
    EXPECT_EQ(img.At(4, y), Untouched);
    EXPECT_EQ(img.At(5, y), Untouched);
  }
  for (std::int32_t x = 0; x < 6; ++x) EXPECT_EQ(img.At(x, 11), Untouched);
  EXPECT_TRUE(img.GuardsIntact());
}

TEST(Gradient, HorizontalBandsOnWidthElevenRoundTheirEndsAndAreCopiedToEveryRow) {
  // 0xFCFCFC: 252 in every channel, up over the first half, down again.
  TGuardedImage img(11, 3, Untouched);
  PaintGradient(img.View(), TRect{0, 0, 11, 3}, ParseGradientData(L"0;16579836;50;1;0;16579836;0;50;1;0"));
  const std::uint32_t expected[] = {0, 42, 84, 126, 168, 210, 252, 189, 126, 63, 0};
  for (std::int32_t y = 0; y < 3; ++y)
    for (std::int32_t x = 0; x < 11; ++x) {
      const std::uint32_t v = expected[x];
      EXPECT_EQ(img.At(x, y), Argb(255, v, v, v)) << x << "," << y;
    }
  EXPECT_TRUE(img.GuardsIntact());
}

TEST(Gradient, ChannelsRoundHalvesToEven) {
  // 0 to 255 over 6 steps: 42.5, 127.5 and 212.5 go to the even neighbour.
  TGuardedImage img(7, 1);
  PaintGradient(img.View(), TRect{0, 0, 7, 1}, ParseGradientData(L"0;255;100;1;0"));
  const std::uint32_t expected[] = {0, 42, 85, 128, 170, 212, 255};
  for (std::int32_t x = 0; x < 7; ++x) EXPECT_EQ(img.At(x, 0), Argb(255, expected[x], 0, 0)) << x;
}

TEST(Gradient, ARectangleBeyondTheBitmapIsMeasuredAndPaintedOnlyInside) {
  // Cut to 5 rows (or 5 columns): red 0..4 over one band gives red = position.
  for (int mode : {0, 1}) {
    TGuardedImage img(5, 5, Untouched);
    const std::wstring data = L"0;4;100;" + std::to_wstring(mode) + L";0";
    PaintGradient(img.View(), TRect{-7, -3, 40, 90}, ParseGradientData(data));
    for (std::int32_t y = 0; y < 5; ++y)
      for (std::int32_t x = 0; x < 5; ++x)
        EXPECT_EQ(img.At(x, y), Argb(255, static_cast<std::uint32_t>(mode == 0 ? y : x), 0, 0)) << mode;
    EXPECT_TRUE(img.GuardsIntact()) << mode;
  }
}

TEST(Gradient, ABandWithNoLengthStopsThePaintingAndKeepsTheBandsBefore) {
  // Vertical: 50 %, then 0 % (stops), then a band that is never reached.
  TGuardedImage v(2, 10, Untouched);
  PaintGradient(v.View(), TRect{0, 0, 2, 10}, ParseGradientData(L"255;255;50;0;0;65280;65280;0;0;0;1;1;50;0;0"));
  for (std::int32_t y = 0; y <= 5; ++y) EXPECT_EQ(v.At(0, y), Argb(255, 255, 0, 0)) << y;
  for (std::int32_t y = 6; y < 10; ++y) EXPECT_EQ(v.At(1, y), Untouched) << y;

  // Horizontal: a first band of 0 % paints nothing at all (no division by 0).
  TGuardedImage h(10, 2, Untouched);
  PaintGradient(h.View(), TRect{0, 0, 10, 2}, ParseGradientData(L"0;255;0;1;0;255;0;100;1;0"));
  for (std::int32_t x = 0; x < 10; ++x) EXPECT_EQ(h.At(x, 1), Untouched) << x;

  // A one-pixel rectangle has no band length in either direction.
  TGuardedImage one(1, 1, Untouched);
  PaintGradient(one.View(), TRect{0, 0, 1, 1}, ParseGradientData(L"0;255;100;1;0"));
  PaintGradient(one.View(), TRect{0, 0, 1, 1}, ParseGradientData(L"0;255;100;0;0"));
  EXPECT_EQ(one.At(0, 0), Untouched);
}

TEST(Gradient, EqualColoursFillTheirBandAndOtherModesPaintNothingHere) {
  TGuardedImage img(3, 4, Untouched);
  PaintGradient(img.View(), TRect{0, 0, 3, 4}, ParseGradientData(L"8421504;8421504;100;0;0"));
  for (std::int32_t y = 0; y < 4; ++y)
    for (std::int32_t x = 0; x < 3; ++x) EXPECT_EQ(img.At(x, y), Argb(255, 128, 128, 128));

  TGuardedImage other(3, 4, Untouched);
  PaintGradient(other.View(), TRect{0, 0, 3, 4}, ParseGradientData(L"0;255;100;2;0"));
  PaintGradient(other.View(), TRect{0, 0, 3, 4}, ParseGradientData(L"0;255;100;7;0"));
  PaintGradient(other.View(), TRect{0, 0, 3, 4}, {});
  EXPECT_EQ(other.At(1, 1), Untouched);
}

TEST(Gradient, OffsetRowsOutsideTheRectangleAreNotPainted) {
  // Offset 2 starts the bands on row 3 of (0,1,2,5); offset -3 starts them
  // above the bitmap, and only the rows inside get their colour.
  TGuardedImage down(2, 6, Untouched);
  PaintGradient(down.View(), TRect{0, 1, 2, 5}, ParseGradientData(L"0;1;100;0;0"), 2);
  EXPECT_EQ(down.At(0, 2), Untouched);
  EXPECT_EQ(down.At(0, 3), Argb(255, 0, 0, 0));
  EXPECT_EQ(down.At(0, 4), Argb(255, 1, 0, 0));
  EXPECT_EQ(down.At(0, 5), Untouched);

  TGuardedImage up(2, 4, Untouched);
  PaintGradient(up.View(), TRect{0, 0, 2, 4}, ParseGradientData(L"0;6;100;0;0"), -3);
  // Rows -3 .. 3 take red 0 .. 6: rows 0 .. 3 hold 3 .. 6.
  for (std::int32_t y = 0; y < 4; ++y) EXPECT_EQ(up.At(1, y), Argb(255, static_cast<std::uint32_t>(3 + y), 0, 0));
  EXPECT_TRUE(up.GuardsIntact());
}

// A 3 x 2 texture at (1, 1) of a 5 x 4 source (blue = 10 x column + row).
TGuardedImage Texture() {
  TGuardedImage src(5, 4, Argb(255, 0, 0, 0));
  for (std::int32_t y = 0; y < 4; ++y)
    for (std::int32_t x = 0; x < 5; ++x) src.At(x, y) = Argb(9, 200, 0, static_cast<std::uint32_t>(10 * x + y));
  return src;
}

TEST(GradientBlended, PixelsMixTheGradientWithTheTextureTiledFromTheBitmapOrigin) {
  TGuardedImage src = Texture();
  // Gradient white, no change; amount 76 (30 % of 255): red (255 x 256 +
  // (200 - 255) x 76) shr 8 = 238, green (65280 - 255 x 76) shr 8 = 179.
  for (int mode : {0, 1}) {
    TGuardedImage img(8, 6, Untouched);
    const std::wstring data = L"16777215;16777215;100;" + std::to_wstring(mode) + L";0";
    PaintGradientBlended(img.View(), TRect{2, 1, 8, 6}, ParseGradientData(data), 200, 76, TRect{1, 1, 4, 3},
                         src.View());
    for (std::int32_t y = 1; y < 6; ++y)
      for (std::int32_t x = 2; x < 8; ++x) {
        const std::uint32_t texBlue = 10 * (1 + x % 3) + (1 + y % 2);
        const std::uint32_t blue = (255 * 256 + (static_cast<std::int32_t>(texBlue) - 255) * 76) >> 8;
        EXPECT_EQ(img.At(x, y), Argb(200, 238, 179, blue)) << mode << ":" << x << "," << y;
      }
    EXPECT_EQ(img.At(1, 1), Untouched);
    EXPECT_EQ(img.At(2, 0), Untouched);
    EXPECT_TRUE(img.GuardsIntact());
  }
}

TEST(GradientBlended, GradientColoursFollowTheBandsOfThePlainPainter) {
  // Amount 0 keeps the gradient: the blended painter's bands are the plain ones.
  TGuardedImage src = Texture();
  for (const wchar_t* data : {L"255;65280;50;0;0;65280;16711680;50;0;0", L"0;16579836;50;1;0;16579836;0;50;1;0"}) {
    TGuardedImage plain(11, 11), blended(11, 11);
    PaintGradient(plain.View(), TRect{0, 0, 11, 11}, ParseGradientData(data));
    PaintGradientBlended(blended.View(), TRect{0, 0, 11, 11}, ParseGradientData(data), 255, 0, TRect{},
                         src.View());
    for (std::int32_t y = 0; y < 11; ++y)
      for (std::int32_t x = 0; x < 11; ++x) ASSERT_EQ(blended.At(x, y), plain.At(x, y)) << x << "," << y;
  }
}

TEST(GradientBlended, OnePixelTexturesAndTexturesWithoutPixels) {
  TGuardedImage src = Texture();
  const TsGradientArray black = ParseGradientData(L"0;0;100;1;0");
  // A one-pixel SrcRect: every pixel takes that texel (blue 22) at full share.
  TGuardedImage img(4, 3, Untouched);
  PaintGradientBlended(img.View(), TRect{0, 0, 4, 3}, black, 255, 256, TRect{2, 2, 3, 3}, src.View());
  for (std::int32_t y = 0; y < 3; ++y)
    for (std::int32_t x = 0; x < 4; ++x) EXPECT_EQ(img.At(x, y), Argb(255, 200, 0, 22));

  // A one-pixel-wide source taken whole is limited to width - 1 = 0 pixels;
  // a SrcRect outside the source, and a view that is not 32-bit, give none.
  TGuardedImage thin(1, 4, Argb(255, 1, 2, 3));
  TPixelView narrow = src.View();
  narrow.BytesPerPixel = 3;
  for (auto [rect, view] : {std::pair{TRect{}, thin.View()}, std::pair{TRect{5, 0, 7, 2}, src.View()},
                            std::pair{TRect{-1, 0, 2, 2}, src.View()}, std::pair{TRect{}, narrow}}) {
    TGuardedImage out(3, 3, Untouched);
    PaintGradientBlended(out.View(), TRect{0, 0, 3, 3}, black, 255, 128, rect, view);
    EXPECT_EQ(out.At(1, 1), Untouched);
  }
}

TEST(GradientBlended, HorizontalBandsTallerThanTheTextureRepeatItsRows) {
  TGuardedImage src = Texture();
  TGuardedImage img(3, 7, Untouched);
  PaintGradientBlended(img.View(), TRect{0, 0, 3, 7}, ParseGradientData(L"0;255;100;1;0"), 255, 128,
                       TRect{1, 1, 4, 3}, src.View());
  for (std::int32_t y = 2; y < 7; ++y)
    for (std::int32_t x = 0; x < 3; ++x) EXPECT_EQ(img.At(x, y), img.At(x, y - 2)) << x << "," << y;
  // Row 1 is texture row 2, column 2 texture column 3: red (255 x 256 +
  // (200 - 255) x 128) shr 8 = 227, blue (0 + 32 x 128) shr 8 = 16.
  EXPECT_EQ(img.At(2, 1), Argb(255, 227, 0, 16));
  EXPECT_TRUE(img.GuardsIntact());
}

}  // namespace
}  // namespace skin::paint
