#include "skin/paint/PixelFills.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "GuardedImage.h"
#include "skin/paint/PixelRows.h"

namespace skin::paint {
namespace {

constexpr TColor Rgb(int r, int g, int b) { return r | g << 8 | b << 16; }
constexpr std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return a << 24 | r << 16 | g << 8 | b;
}

TEST(PixelFills, PremultiplyScalesColoursByAlphaShr8AndClearsTransparentWhite) {
  const std::uint32_t cases[][2] = {
      {Argb(128, 255, 0, 0), Argb(128, 127, 0, 0)},
      {0x00FFFFFFu, 0},
      {0xFFFFFFFFu, Argb(255, 254, 254, 254)},
      {Argb(64, 0x30, 0x20, 0x10), Argb(64, 12, 8, 4)},
      {0x00FF00FFu, 0},
      {0x01FFFFFFu, Argb(1, 0, 0, 0)},
  };
  TGuardedImage img(static_cast<std::int32_t>(std::size(cases)), 1);
  for (std::int32_t i = 0; i < static_cast<std::int32_t>(std::size(cases)); ++i) img.At(i, 0) = cases[i][0];
  PremultiplyAlpha(img.View());
  for (std::int32_t i = 0; i < static_cast<std::int32_t>(std::size(cases)); ++i)
    EXPECT_EQ(img.At(i, 0), cases[i][1]) << std::hex << cases[i][0];
  EXPECT_TRUE(img.GuardsIntact());
}

TEST(PixelFills, PremultiplyRectTouchesOnlyItsPartOfTheBitmap) {
  TGuardedImage img(3, 3, 0x80FFFFFFu);
  PremultiplyAlphaRect(img.View(), TRect{1, 1, 9, 9});
  EXPECT_EQ(img.At(0, 0), 0x80FFFFFFu);
  EXPECT_EQ(img.At(2, 0), 0x80FFFFFFu);
  EXPECT_EQ(img.At(1, 1), Argb(128, 127, 127, 127));
  EXPECT_EQ(img.At(2, 2), Argb(128, 127, 127, 127));
  EXPECT_TRUE(img.GuardsIntact());
}

TEST(PixelFills, FillRect32WritesTheColourInPixelOrderWithTheAlpha) {
  TGuardedImage img(4, 3, 0x01020304u);
  FillRect32(img.View(), TRect{1, 1, 3, 2}, static_cast<TColor>(0x7F000000 | Rgb(0x11, 0x22, 0x33)), 200);
  EXPECT_EQ(img.At(1, 1), Argb(200, 0x11, 0x22, 0x33));
  EXPECT_EQ(img.At(2, 1), Argb(200, 0x11, 0x22, 0x33));
  EXPECT_EQ(img.At(0, 1), 0x01020304u);
  EXPECT_EQ(img.At(3, 1), 0x01020304u);
  EXPECT_EQ(img.At(1, 0), 0x01020304u);
  EXPECT_EQ(img.At(1, 2), 0x01020304u);
}

TEST(PixelFills, FillAlphaRectSkipsKeyPixelsOnlyWhenAsked) {
  for (bool skip : {true, false}) {
    TGuardedImage img(2, 1);
    img.At(0, 0) = 0x00FF00FFu;
    img.At(1, 0) = 0x00123456u;
    FillAlphaRect(img.View(), TRect{0, 0, 2, 1}, 255, skip);
    EXPECT_EQ(img.At(0, 0), skip ? 0x00FF00FFu : 0xFFFF00FFu) << skip;
    EXPECT_EQ(img.At(1, 0), 0xFF123456u) << skip;
  }
}

TEST(PixelFills, BlendColorRectKeepsPercentOfThePixelRoundingHalvesToEven) {
  struct Case {
    std::int32_t percent;
    std::uint32_t channel, colour, result;
  };
  const Case cases[] = {
      {50, 255, 0, 128},  // 127.5
      {50, 1, 0, 0},      // 0.5
      {50, 3, 0, 2},      // 1.5
      {25, 2, 0, 0},      // 0.5
      {25, 6, 0, 2},      // 1.5
      {30, 100, 200, 170},
      {0, 10, 90, 90},
      {100, 10, 90, 10},
      {150, 10, 90, 10},  // taken as 100
      {-20, 10, 90, 90},  // taken as 0
  };
  for (const Case& c : cases) {
    TGuardedImage img(1, 1, Argb(77, c.channel, c.channel, c.channel));
    BlendColorRect(img.View(), TRect{0, 0, 0, 0}, c.percent, Rgb(c.colour, c.colour, c.colour));
    EXPECT_EQ(img.At(0, 0), Argb(77, c.result, c.result, c.result)) << c.percent << " " << c.channel;
  }
  // Each channel against its own: red of the colour with red of the pixel.
  TGuardedImage img(1, 1, Argb(0, 200, 100, 0));
  BlendColorRect(img.View(), TRect{0, 0, 0, 0}, 50, Rgb(0, 0, 100));
  EXPECT_EQ(img.At(0, 0), Argb(0, 100, 50, 50));
}

TEST(PixelFills, BlendColorRectTakesItsRectangleInclusive) {
  TGuardedImage img(4, 4, Argb(255, 200, 200, 200));
  BlendColorRect(img.View(), TRect{1, 1, 2, 2}, 50, 0);
  for (std::int32_t y = 0; y < 4; ++y)
    for (std::int32_t x = 0; x < 4; ++x) {
      const bool inside = x >= 1 && x <= 2 && y >= 1 && y <= 2;
      EXPECT_EQ(img.At(x, y), inside ? Argb(255, 100, 100, 100) : Argb(255, 200, 200, 200)) << x << "," << y;
    }
}

TEST(PixelFills, BlendColorRect32MovesTowardsTheColourAndSetsAlpha) {
  TGuardedImage img(3, 1, Argb(10, 255, 0, 100));
  BlendColorRect32(img.View(), TRect{0, 0, 2, 1}, Rgb(0, 255, 100), 50, 240);
  EXPECT_EQ(img.At(0, 0), Argb(240, 128, 128, 100));  // 127.5 up, 127.5 up, unchanged
  EXPECT_EQ(img.At(2, 0), Argb(10, 255, 0, 100));      // right edge exclusive
  // System colours are not resolved: only the low three bytes count.
  TGuardedImage sys(1, 1, 0);
  BlendColorRect32(sys.View(), TRect{0, 0, 1, 1}, static_cast<TColor>(0xFF000000u | 200), 100, 255);
  EXPECT_EQ(sys.At(0, 0), Argb(255, 200, 0, 0));
}

TEST(PixelFills, FillFrame32PaintsTheFourBandsInsideTheRectangle) {
  TGuardedImage img(7, 6);
  FillFrame32(img.View(), TRect{1, 1, 6, 6}, 1, 2, 2, 1, Rgb(0, 0, 255));
  const std::vector<std::string> expected = {
      ".......",  //
      ".#####.",  // top band, 2 high
      ".#####.",  //
      ".#..##.",  // left 1 wide, right 2 wide
      ".#..##.",  //
      ".#####.",  // bottom band, 1 high
  };
  for (std::int32_t y = 0; y < 6; ++y)
    for (std::int32_t x = 0; x < 7; ++x)
      EXPECT_EQ(img.At(x, y), expected[y][x] == '#' ? 0xFF0000FFu : 0u) << x << "," << y;

  // Bands wider than the rectangle stay inside it.
  TGuardedImage wide(5, 5);
  FillFrame32(wide.View(), TRect{1, 1, 3, 3}, 9, 9, INT_MAX, INT_MAX, Rgb(0, 0, 255));
  for (std::int32_t y = 0; y < 5; ++y)
    for (std::int32_t x = 0; x < 5; ++x)
      EXPECT_EQ(wide.At(x, y) != 0, x >= 1 && x < 3 && y >= 1 && y < 3) << x << "," << y;
}

// Each routine with a rectangle reaching past every edge: all of the bitmap
// is changed, nothing around it.
TEST(PixelFills, EveryRoutineClipsItsRectangleToTheBitmap) {
  const TRect huge{-5, -5, 50, 50};
  const TRect inclusiveHuge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  const std::pair<const char*, std::function<void(const TPixelView&)>> routines[] = {
      {"PremultiplyAlphaRect", [&](const TPixelView& v) { PremultiplyAlphaRect(v, huge); }},
      {"FillRect32", [&](const TPixelView& v) { FillRect32(v, huge, Rgb(1, 2, 3), 9); }},
      {"FillAlphaRect", [&](const TPixelView& v) { FillAlphaRect(v, huge, 9, true); }},
      {"BlendColorRect", [&](const TPixelView& v) { BlendColorRect(v, inclusiveHuge, 50, 0); }},
      {"BlendColorRect32", [&](const TPixelView& v) { BlendColorRect32(v, huge, 0, 50, 9); }},
      {"FillFrame32", [&](const TPixelView& v) { FillFrame32(v, huge, 10, 10, 10, 10, 0); }},
  };
  for (const auto& [name, routine] : routines) {
    TGuardedImage img(3, 2, 0x80C0C0C0u);
    routine(img.View());
    EXPECT_TRUE(img.GuardsIntact()) << name;
    for (std::int32_t y = 0; y < 2; ++y)
      for (std::int32_t x = 0; x < 3; ++x) EXPECT_NE(img.At(x, y), 0x80C0C0C0u) << name << " " << x << "," << y;
  }
}

TEST(PixelFills, FillDWordsWritesExactlyCountWords) {
  for (std::int32_t count : {-1, 0, 3}) {
    std::uint32_t words[5] = {1, 1, 1, 1, 1};
    FillDWords(words + 1, count, 7);
    for (std::int32_t i = 0; i < 5; ++i)
      EXPECT_EQ(words[i], i >= 1 && i <= count ? 7u : 1u) << count << " " << i;
  }
}

TEST(PixelFills, ViewsThatAreNot32BitAreLeftAlone) {
  std::vector<std::uint8_t> bytes(4 * 3 * 2, 0x42);
  const TPixelView view24 = MakeView(bytes.data(), 4, 2, 12, 3);
  PremultiplyAlpha(view24);
  FillRect32(view24, TRect{0, 0, 4, 2}, 0, 255);
  FillAlphaRect(view24, TRect{0, 0, 4, 2}, 255, false);
  BlendColorRect(view24, TRect{0, 0, 3, 1}, 50, 0);
  BlendColorRect32(view24, TRect{0, 0, 4, 2}, 0, 50, 255);
  FillFrame32(view24, TRect{0, 0, 4, 2}, 1, 1, 1, 1, 0);
  for (std::uint8_t b : bytes) ASSERT_EQ(b, 0x42);
}

}  // namespace
}  // namespace skin::paint

#ifdef _WIN32
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Colors.h"
#include "skin/paint/PixelFills_Gdi.h"
#include "skin/paint/PixelOps.h"

namespace skin::paint {
namespace {

std::uint32_t TopLeft(classlib::TBitmap& bmp) { return *reinterpret_cast<std::uint32_t*>(bmp.ScanLine(0)); }

TEST(PixelFillsGdi, Pf32BitmapsAreFilledTopRowFirstOtherFormatsRefused) {
  classlib::TBitmap bmp;
  bmp.SetPixelFormat(classlib::pf32bit);
  bmp.SetSize(4, 3);
  FillRect32(&bmp, TRect{0, 0, 1, 1}, 0x00332211, 255);
  EXPECT_EQ(TopLeft(bmp), 0xFF112233u);
  EXPECT_EQ(GetBmpPixel32(&bmp, 0, 0), 0xFF112233u);
  EXPECT_EQ(GetBmpPixel32(&bmp, 0, 1), 0u);
  SetBmpPixel32(&bmp, 3, 2, 0x12345678u);
  EXPECT_EQ(GetBmpPixel32(&bmp, 3, 2), 0x12345678u);
  // Outside the bitmap: no read, no write.
  SetBmpPixel32(&bmp, 4, 0, 0xDEADBEEFu);
  SetBmpPixel32(&bmp, 0, -1, 0xDEADBEEFu);
  EXPECT_EQ(GetBmpPixel32(&bmp, 4, 0), 0u);
  EXPECT_EQ(GetBmpPixel32(&bmp, -1, 0), 0u);
  EXPECT_EQ(GetBmpPixel32(&bmp, 0, 3), 0u);
  EXPECT_EQ(GetBmpPixel32(nullptr, 0, 0), 0u);

  classlib::TBitmap narrow;
  narrow.SetPixelFormat(classlib::pf24bit);
  narrow.SetSize(3, 2);
  std::uint8_t* top = narrow.ScanLine(0);
  const std::vector<std::uint8_t> before(top, top + narrow.RowBytes());
  FillRect32(&narrow, TRect{0, 0, 3, 2}, 0x0000FF, 255);
  FillAlphaRect(&narrow, TRect{0, 0, 3, 2}, 255, false);
  PremultiplyAlpha(&narrow);
  BlendColorRect(&narrow, TRect{0, 0, 2, 1}, 50, 0x0000FF);
  BlendColorRect32(&narrow, TRect{0, 0, 3, 2}, 0x0000FF, 50, 255);
  FillFrame32(&narrow, TRect{0, 0, 3, 2}, 1, 1, 1, 1, 0x0000FF);
  SetBmpPixel32(&narrow, 0, 0, 0xFFFFFFFFu);
  EXPECT_EQ(std::vector<std::uint8_t>(top, top + narrow.RowBytes()), before);
  EXPECT_EQ(GetBmpPixel32(&narrow, 0, 0), 0u);
}

TEST(PixelFillsGdi, BlendColorRectResolvesSystemColours) {
  classlib::TBitmap bmp;
  bmp.SetPixelFormat(classlib::pf32bit);
  bmp.SetSize(1, 1);
  const auto face = static_cast<std::uint32_t>(classlib::ColorToRGB(classlib::clBtnFace));
  BlendColorRect(&bmp, TRect{0, 0, 0, 0}, 0, classlib::clBtnFace);
  EXPECT_EQ(TopLeft(bmp), SwapRedBlue(face) & 0x00FFFFFFu);
}

}  // namespace
}  // namespace skin::paint
#endif
