// Masked textures tiled through the glyph copy, and section backgrounds
// painted with the skin's own gradient and texture fills.
#include "skin/paint/MaskedTexture.h"

#include <gtest/gtest.h>

#include "MaskFixture.h"
#include "PixelGrid.h"
#include "skin/paint/SectionPaint32.h"
#include "skin/paint/TextureTiles.h"

namespace skin::paint {
namespace {

using testing::Coded;
using testing::kBand;
using testing::TMaskFactory;
using testing::TMaskShape;
using testing::TPixelGrid;

// A 3 x 2 tile whose column 1 is masked out (mask red 255) and whose other
// pixels are copied whole (mask 0).
TsMaskData MaskedTile(TMaskFactory& factory) {
  TMaskShape shape;
  shape.FrameWidth = 3, shape.FrameHeight = 2, shape.MaskType = 1;
  return factory.Make(shape, Coded, [](std::int32_t, std::int32_t x, std::int32_t) {
    return x == 1 ? 0xFFFFFFFFu : 0xFF000000u;
  });
}

// Copied with mask 0 over the band: the source colour, alpha raised from
// 0x11 by (255 - 0x11) x 255 shr 8.
std::uint32_t Copied(std::int32_t x, std::int32_t y) { return 0xFE000000u | (Coded(0, x, y) & 0xFFFFFFu); }

TEST(TileMaskedTexture, ModeZeroCutsTheLastColumnAndLeavesTheBottomRemainder) {
  TMaskFactory factory;
  const TsMaskData mask = MaskedTile(factory);
  TPixelGrid grid(8, 6, kBand);
  TRect r{0, 0, 7, 5};  // 7 = two tiles and one column; 5 = two rows and one line
  TileMaskedTexture(grid.View(), r, TCacheView{}, mask, 0);
  EXPECT_EQ(r, NothingLeft);
  EXPECT_EQ(grid.At(0, 0), Copied(0, 0));
  EXPECT_EQ(grid.At(4, 1), kBand);  // masked-out column of the second tile
  EXPECT_EQ(grid.At(5, 3), Copied(2, 1));
  EXPECT_EQ(grid.At(6, 2), Copied(0, 0));  // the cut column shows the tile's left part
  for (std::int32_t x = 0; x < 8; ++x) EXPECT_EQ(grid.At(x, 4), kBand) << x;  // no cut bottom row
  EXPECT_EQ(grid.At(7, 0), kBand);
  EXPECT_TRUE(grid.GuardsIntact());
}

TEST(TileMaskedTexture, ModeTenShowsTheParentInTheStripsTheWholeTilesLeave) {
  TMaskFactory factory;
  const TsMaskData mask = MaskedTile(factory);
  TPixelGrid parent(9, 6, 0);
  for (std::int32_t y = 0; y < 6; ++y)
    for (std::int32_t x = 0; x < 9; ++x) parent.At(x, y) = 0x80000000u | static_cast<std::uint32_t>(y << 8 | x);
  struct Case {
    bool image;
    TColor fill;
    std::uint32_t strip6x1, strip2x4;
  } cases[] = {
      {true, 0x0000FF, parent.At(7, 1), parent.At(3, 4)},  // image, shifted by CI's X
      {false, 0x0000FF, 0xFFFF0000u, 0xFFFF0000u},          // its fill colour
      {false, 0xFF00FF, kBand, kBand},                      // no colour: the strip stays
  };
  for (const Case& c : cases) {
    TPixelGrid grid(8, 6, kBand);
    TCacheView ci;
    if (c.image) ci.Bmp = parent.View();
    ci.X = 1;
    ci.Ready = c.image;
    ci.FillColor = c.fill;
    TRect r{0, 0, 7, 5};
    TileMaskedTexture(grid.View(), r, ci, mask, 10);
    EXPECT_EQ(r, NothingLeft);
    EXPECT_EQ(grid.At(5, 3), Copied(2, 1));
    EXPECT_EQ(grid.At(6, 1), c.strip6x1);
    EXPECT_EQ(grid.At(2, 4), c.strip2x4);
    EXPECT_EQ(grid.At(7, 1), kBand);
    EXPECT_TRUE(grid.GuardsIntact());
  }
}

TEST(TileMaskedTexture, OtherModesAndUnusableMasksDrawNothing) {
  TMaskFactory factory;
  TsMaskData mask = MaskedTile(factory);
  TPixelGrid grid(8, 6, kBand);
  TRect r{0, 0, 7, 5};
  TileMaskedTexture(grid.View(), r, TCacheView{}, mask, 2);
  EXPECT_EQ(r, (TRect{0, 0, 7, 5}));
  mask.ImageCount = 0;
  TileMaskedTexture(grid.View(), r, TCacheView{}, mask, 0);
  mask.ImageCount = 1;
  mask.Manager = nullptr;
  TileMaskedTexture(grid.View(), r, TCacheView{}, mask, 0);
  EXPECT_EQ(r, (TRect{0, 0, 7, 5}));
  EXPECT_EQ(grid.At(0, 0), kBand);
}

// One section whose normal state has the given percentages, gradient and
// texture (mask 0 when given).
TsSkinModel FilledSkin(std::int32_t gp, const wchar_t* gradient, std::int32_t ip, const TsMaskData* texture) {
  TsSkinModel skin;
  TsGeneralData section;
  section.States = 1;
  TsGenState& s = section.Props[0];
  s.Color = 0x00FFFF;  // yellow
  s.GradientPercent = gp;
  s.GradientData = gradient;
  s.GradientArray = ParseGradientData(gradient);
  s.ImagePercent = ip;
  if (texture) {
    skin.Masks.push_back(*texture);
    s.TextureIndex = 0;
  }
  skin.Sections.push_back(section);
  return skin;
}

TEST(SectionFills, AGradientSectionPaintsItsBands) {
  const TsSkinModel skin = FilledSkin(100, L"255;65280;50;0;0;65280;16711680;50;0;0", 0, nullptr);
  TPixelGrid grid(4, 11, 0);
  PaintSectionBackground32(0, 0, TRect{0, 0, 4, 11}, grid.View(), &skin, 0xFF00FF);
  EXPECT_EQ(grid.At(0, 0), 0xFFFF0000u);  // red
  EXPECT_EQ(grid.At(3, 1), 0xFFCC3300u);  // 255 - 51, 51
  EXPECT_EQ(grid.At(2, 5), 0xFF00FF00u);  // green
  EXPECT_EQ(grid.At(1, 10), 0xFF0000FFu);  // blue
  EXPECT_TRUE(grid.GuardsIntact());
}

TEST(SectionFills, TexturesAreTiledByTheirModeAndTheRestTakesTheColour) {
  TMaskFactory factory;
  TMaskShape rowShape;  // a plain 3 x 2 tile laid in one row along the top
  rowShape.FrameWidth = 3, rowShape.FrameHeight = 2, rowShape.DrawMode = 2;
  const TsMaskData row = factory.Make(rowShape);
  const TsMaskData masked = MaskedTile(factory);  // mode 0 through the masked copy
  {
    const TsSkinModel skin = FilledSkin(0, L"", 100, &row);
    TPixelGrid grid(7, 5, 0);
    PaintSectionBackground32(0, 0, TRect{0, 0, 7, 5}, grid.View(), &skin, 0xFF00FF);
    EXPECT_EQ(grid.At(4, 1), Coded(0, 1, 1));
    EXPECT_EQ(grid.At(4, 3), 0xFFFFFF00u);  // below the row: the section colour
  }
  {
    const TsSkinModel skin = FilledSkin(0, L"", 100, &masked);
    TPixelGrid grid(7, 5, kBand);
    PaintSectionBackground32(0, 0, TRect{0, 0, 7, 5}, grid.View(), &skin, 0xFF00FF);
    EXPECT_EQ(grid.At(5, 3), Copied(2, 1));
    EXPECT_EQ(grid.At(4, 1), kBand);  // masked out: what lay under it
  }
}

TEST(SectionFills, ThirtyPercentTextureUnderSeventyPercentGradientMixInOnePass) {
  TMaskFactory factory;
  TMaskShape shape;
  shape.FrameWidth = 4, shape.FrameHeight = 4;
  const TsMaskData grey = factory.Make(shape, [](std::int32_t, std::int32_t, std::int32_t) { return 0xFF808080u; });
  // A black gradient: each channel (0 x 256 + 128 x 76) shr 8, 76 = 30 x 255 div 100.
  const TsSkinModel skin = FilledSkin(70, L"0;0;100;0;0", 30, &grey);
  TPixelGrid grid(6, 6, 0);
  PaintSectionBackground32(0, 0, TRect{0, 0, 6, 6}, grid.View(), &skin, 0xFF00FF);
  EXPECT_EQ(grid.At(0, 0), 0xFF262626u);
  EXPECT_EQ(grid.At(5, 5), 0xFF262626u);
}

}  // namespace
}  // namespace skin::paint
