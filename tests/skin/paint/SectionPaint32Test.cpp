// Sections painted with real alpha for layered windows.
#include "skin/paint/SectionPaint32.h"

#include <gtest/gtest.h>

#include "MaskFixture.h"
#include "PixelGrid.h"

namespace skin::paint {
namespace {

using testing::TMaskFactory;
using testing::TMaskShape;
using testing::TPixelGrid;

// One section with a plain colour and the given transparency; with a
// border mask (4 x 4 frames, 1-pixel borders, a key top-left pixel) when
// asked.
TsSkinModel PlainSkin(TMaskFactory& factory, std::int32_t transparency, bool border) {
  TsSkinModel skin;
  TsGeneralData section;
  section.States = 2;
  for (TsGenState& state : section.Props) {
    state.Color = 0x0000FF;  // red
    state.Transparency = transparency;
  }
  if (border) {
    TMaskShape shape;
    shape.FrameWidth = 4, shape.FrameHeight = 4, shape.WL = shape.WT = shape.WR = shape.WB = 1;
    skin.Masks.push_back(factory.Make(shape, [](std::int32_t, std::int32_t x, std::int32_t y) {
      return x == 0 && y == 0 ? 0x00FF00FFu : 0xFF00FF00u;
    }));
    section.BorderIndex = 0;
  }
  skin.Sections.push_back(section);
  return skin;
}

TEST(SectionPaint32, PlainColourOnAFreshBitmapTakesItsAlphaFromTheTransparency) {
  TMaskFactory factory;
  const TsSkinModel skin = PlainSkin(factory, 40, false);
  TPixelGrid grid(6, 4, 0);
  PaintSectionBackground32(0, 0, TRect{0, 0, 6, 4}, grid.View(), &skin, 0xFF00FF);
  EXPECT_EQ(grid.At(3, 2), 0x99FF0000u);  // alpha 60 x 255 div 100 = 153
  // A custom colour is opaque.
  PaintSectionBackground32(0, 0, TRect{0, 0, 6, 4}, grid.View(), &skin, 0x00FF00);
  EXPECT_EQ(grid.At(3, 2), 0xFF00FF00u);
}

TEST(SectionPaint32, TransparencyHundredClearsOnlyAWholeBitmapAndThenTheBorderIsDrawn) {
  TMaskFactory factory;
  const TsSkinModel skin = PlainSkin(factory, 100, true);
  TPixelGrid whole(6, 6, 0xFF123456u);
  PaintSectionItem32(0, 0, TRect{0, 0, 6, 6}, whole.View(), &skin);
  EXPECT_EQ(whole.At(0, 0), 0xFF113355u);  // key corner: the pixel from before painting, premultiplied
  EXPECT_EQ(whole.At(3, 3), 0u);  // no centre drawn: cleared
  EXPECT_EQ(whole.At(3, 0), 0xFF00FE00u);  // border, premultiplied: 255 x 255 shr 8
  TPixelGrid part(8, 8, 0xFF123456u);
  PaintSectionBackground32(0, 0, TRect{1, 1, 7, 7}, part.View(), &skin, 0xFF00FF);
  EXPECT_EQ(part.At(3, 3), 0xFF123456u);
}

TEST(SectionPaint32, PartOfABitmapIsNotPremultipliedAndKeyCornersKeepWhatWasThere) {
  TMaskFactory factory;
  const TsSkinModel skin = PlainSkin(factory, 40, true);
  TPixelGrid grid(8, 8, 0);
  grid.At(1, 1) = 0x40102030u;
  PaintSectionItem32(0, 1, TRect{1, 1, 7, 7}, grid.View(), &skin);
  EXPECT_EQ(grid.At(1, 1), 0x40102030u);  // key corner: what lay there
  // R's top-left pixel was not fresh: R moves 60 % toward the colour and
  // takes alpha max(0x40, 153); not premultiplied.
  EXPECT_EQ(grid.At(3, 3), 0x99990000u);
  EXPECT_EQ(grid.At(0, 0), 0u);
  EXPECT_TRUE(grid.GuardsIntact());
}

TEST(SectionPaint32, NothingForRectanglesOutsideTheBitmapOrInvalidSections) {
  TMaskFactory factory;
  const TsSkinModel skin = PlainSkin(factory, 0, true);
  TPixelGrid grid(6, 6, 0x11111111u);
  PaintSectionItem32(0, 0, TRect{1, 1, 7, 5}, grid.View(), &skin);
  PaintSectionItem32(0, 0, TRect{-1, 0, 5, 5}, grid.View(), &skin);
  PaintSectionItem32(1, 0, TRect{0, 0, 6, 6}, grid.View(), &skin);
  PaintSectionItem32(0, 0, TRect{0, 0, 6, 6}, grid.View(), nullptr);
  EXPECT_EQ(grid.At(2, 2), 0x11111111u);
}

}  // namespace
}  // namespace skin::paint
