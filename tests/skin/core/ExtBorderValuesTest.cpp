// The extended borders read from a skin: margins by border mode, the two
// pictures taken frame by frame, nothing without the mask.
#include "skin/core/ExtBorderValues.h"

#include <gtest/gtest.h>

namespace {

using skin::TsExtBorderMargins;

// A skin whose EXBORDER mask lies in the master bitmap: `frames` frames of
// 10 x 8 side by side at (4, 2), border widths 6, 5, 7, 8; frame f is filled
// with 0xFF000000 + f + 1.
skin::TsSkinModel Skin(int frames) {
  skin::TsSkinModel skin;
  skin.MasterBitmap = std::make_shared<bmp32::TCustomBitmap32>();
  skin.MasterBitmap->SetSize(4 + 10 * frames, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < skin.MasterBitmap->Width(); ++x)
      skin.MasterBitmap->SetPixel(x, y, x < 4 || y < 2 ? 0u : 0xFF000000u + static_cast<unsigned>((x - 4) / 10 + 1));
  skin::TsMaskData mask;
  mask.R = {4, 2, 4 + 10 * frames, 10};
  mask.ImageCount = static_cast<std::int16_t>(frames);
  mask.WL = 6;
  mask.WT = 5;
  mask.WR = 7;
  mask.WB = 8;
  skin.Masks.push_back(mask);
  skin.ConstData.ExBorder = 0;
  skin.SkinData.FormOffset = 4;
  return skin;
}

TEST(ExtBorderValues, MarginsByBorderMode) {
  skin::TsSkinModel skin = Skin(2);
  EXPECT_EQ(skin::ExtBorderMarginsOf(skin), (TsExtBorderMargins{2, 1, 3, 4}));
  skin.SkinData.BorderMode = 1;
  EXPECT_EQ(skin::ExtBorderMarginsOf(skin), (TsExtBorderMargins{4, 4, 4, 4}));
  skin.ConstData.ExBorder = -1;
  EXPECT_EQ(skin::ExtBorderMarginsOf(skin), TsExtBorderMargins{});
  EXPECT_EQ(skin::ExtBorderImageOf(skin, true), nullptr);
}

TEST(ExtBorderValues, PicturesAreTheFramesOfTheMask) {
  const skin::TsSkinModel two = Skin(2);
  const auto inactive = skin::ExtBorderImageOf(two, false), active = skin::ExtBorderImageOf(two, true);
  ASSERT_NE(inactive, nullptr);
  ASSERT_NE(active, nullptr);
  EXPECT_EQ(inactive->Width(), 10);
  EXPECT_EQ(inactive->Height(), 8);
  EXPECT_EQ(inactive->Pixel(9, 7), 0xFF000001u);
  EXPECT_EQ(active->Pixel(0, 0), 0xFF000002u);
  // One frame serves both states.
  const skin::TsSkinModel one = Skin(1);
  EXPECT_EQ(skin::ExtBorderImageOf(one, true)->Pixel(5, 5), 0xFF000001u);
}

}  // namespace
