#include "skin/paint/ColorAdjust.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/paint/PixelOps.h"

namespace skin::paint {
namespace {

constexpr TColor Rgb(int r, int g, int b) { return r | g << 8 | b << 16; }

TEST(ColorAdjust, HueTurnsColoursOfEitherSignAndLeavesGreyAndNoColour) {
  struct Case {
    int degrees;
    TColor in, out;
  };
  const Case cases[] = {
      {120, Rgb(255, 0, 0), Rgb(0, 255, 0)},
      {240, Rgb(255, 0, 0), Rgb(0, 0, 255)},
      {120, Rgb(200, 100, 50), Rgb(50, 200, 100)},
      {30, Rgb(200, 100, 50), Rgb(200, 175, 50)},
      {360, Rgb(200, 100, 50), Rgb(200, 100, 50)},
      {-90, Rgb(255, 0, 0), Rgb(128, 0, 255)},
      {-450, Rgb(255, 0, 0), Rgb(128, 0, 255)},
      {77, Rgb(90, 90, 90), Rgb(90, 90, 90)},
      {120, 0xFF00FF, 0xFF00FF},
      {120, -1, -1},
      {120, static_cast<TColor>(0x3F0000FF), static_cast<TColor>(0x3F00FF00)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChangeHue(c.degrees, c.in), c.out) << c.degrees << " " << std::hex << c.in;
  }
}

TEST(ColorAdjust, SaturationMovesChannelsAwayFromOrTowardGrey) {
  EXPECT_EQ(ChangeSaturation(Rgb(200, 100, 50), 50), Rgb(242, 92, 17));
  EXPECT_EQ(ChangeSaturation(Rgb(200, 100, 50), -100), Rgb(117, 117, 117));
  EXPECT_EQ(ChangeSaturation(Rgb(200, 100, 50), 100), Rgb(255, 83, 0));
  EXPECT_EQ(ChangeSaturation(Rgb(200, 100, 50), 0), Rgb(200, 100, 50));
  EXPECT_EQ(ChangeSaturation(0xFF00FF, -100), 0xFF00FF);
}

TEST(ColorAdjust, MixRoundsHalvesToEvenAndKeepsTheFirstColoursFourthByte) {
  EXPECT_EQ(MixColors(Rgb(255, 0, 10), Rgb(0, 255, 11), 0.5), Rgb(128, 128, 10));
  EXPECT_EQ(MixColors(static_cast<TColor>(0x12000000), Rgb(100, 100, 100), 0.4),
            static_cast<TColor>(0x12000000 | Rgb(60, 60, 60)));
}

TEST(ColorAdjust, BitmapFormsSkipKeyAndGreyPixels) {
  std::vector<std::uint32_t> pixels = {0x00FF00FFu, 0x80404040u, 0x7FFF0000u, 0x00C86432u};
  TPixelView view = MakeView(pixels.data(), 2, 2, 8);
  AdjustBitmapHue(view, 120);
  EXPECT_EQ(pixels[0], 0x00FF00FFu);
  EXPECT_EQ(pixels[1], 0x80404040u);
  EXPECT_EQ(pixels[2], 0x7F00FF00u);  // red to green, alpha kept
  AdjustBitmapSaturation(view, -100);
  EXPECT_EQ(pixels[0], 0x00FF00FFu);
  EXPECT_EQ(pixels[2], 0x7F555555u);
}

TEST(ColorAdjust, GreyscaleLeavesTheTransparentColourOnlyWithAZeroFourthByte) {
  std::vector<std::uint32_t> pixels = {0x00FF00FFu, 0xFFFF00FFu, 0x80302010u};
  TPixelView view = MakeView(pixels.data(), 3, 1, 12);
  GrayscaleBmpTrans(view, 0xFF00FF);
  EXPECT_EQ(pixels[0], 0x00FF00FFu);
  EXPECT_EQ(pixels[1], 0xFFAAAAAAu);
  EXPECT_EQ(pixels[2], 0x80202020u);
}

TEST(ColorAdjust, PercentToByteWeightRoundsExactHalvesToEven) {
  const std::pair<int, int> cases[] = {{0, 0}, {10, 26}, {30, 76}, {50, 128}, {90, 230}, {100, 255}};
  for (auto [percent, weight] : cases) EXPECT_EQ(PercentToByteWeight(percent), weight) << percent;
}

TEST(PixelOps, ByteOrders) {
  EXPECT_EQ(ByteSwap32(0x11223344u), 0x44332211u);
  EXPECT_EQ(SwapRedBlue(0x11223344u), 0x11443322u);
}

}  // namespace
}  // namespace skin::paint
