#include "skin/paint/TextureTiles.h"

#include <gtest/gtest.h>

#include <vector>

#include "GuardedImage.h"

namespace skin::paint {
namespace {

constexpr std::uint32_t Untouched = 0x11223344u;

// A source whose pixel tells where it came from: green = x, blue = y.
TGuardedImage Source() {
  TGuardedImage src(8, 8);
  for (std::int32_t y = 0; y < 8; ++y)
    for (std::int32_t x = 0; x < 8; ++x) src.At(x, y) = 0xFF000000u | static_cast<std::uint32_t>(x) << 8 | y;
  return src;
}
constexpr std::uint32_t From(std::int32_t x, std::int32_t y) {
  return 0xFF000000u | static_cast<std::uint32_t>(x) << 8 | static_cast<std::uint32_t>(y);
}

// A 3 x 2 tile at (2, 3) of the source.
TsMaskData Tile() {
  TsMaskData mask;
  mask.R = TRect{2, 3, 5, 5};
  return mask;
}

// R of a 9 x 8 image after tiling in Mode, and the image.
struct TTiled {
  TRect Left;
  TGuardedImage Image{9, 8, Untouched};
};
TTiled TileIn(const TRect& r, std::uint8_t mode) {
  TGuardedImage src = Source();
  TTiled t;
  t.Left = r;
  TileTexture(t.Image.View(), t.Left, TPixelView{}, Tile(), src.View(), mode);
  EXPECT_TRUE(t.Image.GuardsIntact());
  return t;
}

// Pixel (x, y) holds the tile pixel of its place in a grid from (ox, oy).
bool TiledAt(TGuardedImage& img, std::int32_t x, std::int32_t y, std::int32_t ox, std::int32_t oy) {
  return img.At(x, y) == From(2 + (x - ox) % 3, 3 + (y - oy) % 2);
}

TEST(TileTexture, ModeZeroTilesTheWholeRectangleWithCutLastTiles) {
  TTiled t = TileIn(TRect{1, 1, 8, 6}, 0);
  EXPECT_EQ(t.Left, NothingLeft);
  for (std::int32_t y = 0; y < 8; ++y)
    for (std::int32_t x = 0; x < 9; ++x) {
      const bool inside = x >= 1 && x < 8 && y >= 1 && y < 6;
      if (inside) EXPECT_TRUE(TiledAt(t.Image, x, y, 1, 1)) << x << "," << y;
      else EXPECT_EQ(t.Image.At(x, y), Untouched) << x << "," << y;
    }
}

TEST(TileTexture, StripModesDrawOneTileDeepAndLeaveTheRestOfTheRectangle) {
  struct TCase {
    std::uint8_t Mode;
    TRect Left;
    TRect Drawn;  // the strip with tiles
    std::int32_t OriginY;
  };
  const TRect r{1, 1, 8, 7};
  const TCase cases[] = {
      {2, {1, 3, 8, 7}, {1, 1, 8, 3}, 1},   // a row along the top; below it left
      {3, {4, 1, 8, 7}, {1, 1, 4, 7}, 1},   // a column along the left
      {6, {1, 1, 8, 5}, {1, 5, 8, 7}, 5},   // a row along the bottom
      {7, {1, 1, 5, 7}, {1, 1, 8, 7}, 1},   // all tiles, the last tile's width kept out of R
      {9, {5, 1, 8, 7}, {1, 1, 8, 7}, 1},   // all tiles, that width left
  };
  for (const TCase& c : cases) {
    TTiled t = TileIn(r, c.Mode);
    EXPECT_EQ(t.Left, c.Left) << int(c.Mode);
    for (std::int32_t y = r.Top; y < r.Bottom; ++y)
      for (std::int32_t x = r.Left; x < r.Right; ++x) {
        const bool drawn = x >= c.Drawn.Left && x < c.Drawn.Right && y >= c.Drawn.Top && y < c.Drawn.Bottom;
        if (drawn) EXPECT_TRUE(TiledAt(t.Image, x, y, 1, c.OriginY)) << int(c.Mode) << ":" << x << "," << y;
        else EXPECT_EQ(t.Image.At(x, y), Untouched) << int(c.Mode) << ":" << x << "," << y;
      }
  }
}

TEST(TileTexture, ModeTenLeavesTheBottomRemainderAsItWas) {
  // 7 x 5 with 3 x 2 tiles: rows 0..3 tiled (the last column cut to one
  // pixel), row 4 (under a whole tile's height) untouched.
  TTiled t = TileIn(TRect{0, 0, 7, 5}, 10);
  EXPECT_EQ(t.Left, NothingLeft);
  for (std::int32_t x = 0; x < 7; ++x) {
    for (std::int32_t y = 0; y < 4; ++y) EXPECT_TRUE(TiledAt(t.Image, x, y, 0, 0)) << x << "," << y;
    EXPECT_EQ(t.Image.At(x, 4), Untouched) << x;
  }
  EXPECT_EQ(t.Image.At(7, 0), Untouched);
}

TEST(TileTexture, StretchModes) {
  TTiled whole = TileIn(TRect{0, 0, 6, 4}, 1);  // 3 x 2 to 6 x 4: every pixel doubled
  EXPECT_EQ(whole.Left, NothingLeft);
  for (std::int32_t y = 0; y < 4; ++y)
    for (std::int32_t x = 0; x < 6; ++x) EXPECT_EQ(whole.Image.At(x, y), From(2 + x / 2, 3 + y / 2));
  TTiled top = TileIn(TRect{0, 0, 6, 7}, 4);
  EXPECT_EQ(top.Left, (TRect{0, 2, 6, 7}));
  EXPECT_EQ(top.Image.At(5, 1), From(4, 4));
  EXPECT_EQ(top.Image.At(5, 2), Untouched);
  TTiled left = TileIn(TRect{0, 0, 6, 6}, 5);
  EXPECT_EQ(left.Left, (TRect{3, 0, 6, 6}));
  EXPECT_EQ(left.Image.At(2, 5), From(4, 4));
  EXPECT_EQ(left.Image.At(3, 5), Untouched);
}

TEST(TileTexture, ABottomRowInARectangleLowerThanTheTileStaysInside) {
  TTiled t = TileIn(TRect{0, 3, 4, 4}, 6);
  EXPECT_EQ(t.Image.At(0, 3), From(2, 4));  // the tile's lower row
  EXPECT_EQ(t.Image.At(0, 2), Untouched);
}

TEST(TileTexture, TexturesWithoutPixelsOrSourceReturnAtOnce) {
  TGuardedImage src = Source();
  for (const TRect& tileRect : {TRect{2, 3, 2, 5}, TRect{2, 3, 5, 3}, TRect{5, 3, 2, 5}}) {
    TsMaskData mask;
    mask.R = tileRect;
    TGuardedImage dst(4, 4, Untouched);
    TRect r{0, 0, 4, 4};
    for (std::uint8_t mode : {0, 2, 3, 6, 7, 10}) TileTexture(dst.View(), r, TPixelView{}, mask, src.View(), mode);
    EXPECT_EQ(r, (TRect{0, 0, 4, 4}));
    EXPECT_EQ(dst.At(0, 0), Untouched);
  }
  TGuardedImage dst(4, 4, Untouched);
  TRect r{0, 0, 4, 4};
  TileTexture(dst.View(), r, TPixelView{}, Tile(), TPixelView{}, 0);
  EXPECT_EQ(r, (TRect{0, 0, 4, 4}));
}

TEST(TileTexture, AnImageIsTiledWholeFromTheRectanglesCorner) {
  TGuardedImage image(2, 3);
  for (std::int32_t y = 0; y < 3; ++y)
    for (std::int32_t x = 0; x < 2; ++x) image.At(x, y) = From(x, y);
  TGuardedImage dst(5, 5, Untouched);
  TRect r{1, 0, 5, 5};
  TileTexture(dst.View(), r, image.View(), Tile(), TPixelView{}, 2);
  EXPECT_EQ(r, NothingLeft);
  for (std::int32_t y = 0; y < 5; ++y)
    for (std::int32_t x = 1; x < 5; ++x) EXPECT_EQ(dst.At(x, y), From((x - 1) % 2, y % 3)) << x << "," << y;
  EXPECT_EQ(dst.At(0, 0), Untouched);
}

TEST(TileTexture, AHugeRectangleEmitsOnlyTheTilesThatShow) {
  std::int64_t copies = 0;
  const TRect left = LayoutTextureTiles(TRect{-1000000000, -1000000000, 1000000000, 1000000000}, 1, 1, 0, 0, 0,
                                        TRect{0, 0, 4, 4}, [&](const TNinePieceBlit&) { ++copies; });
  EXPECT_EQ(left, NothingLeft);
  EXPECT_EQ(copies, 16);
}

TEST(MaskedTextureTiles, ModeZeroCutsTheLastColumnAndModeTenHandsTheStripsBack) {
  std::vector<TRect> tiles, strips;
  const auto tile = [&](const TNinePieceBlit& b) {
    tiles.push_back(TRect{static_cast<std::int32_t>(b.DstX), static_cast<std::int32_t>(b.DstY),
                          static_cast<std::int32_t>(b.DstX + b.DstW), static_cast<std::int32_t>(b.DstY + b.DstH)});
  };
  const auto strip = [&](const TRect& s) { strips.push_back(s); };
  EXPECT_EQ(LayoutMaskedTextureTiles(TRect{0, 0, 7, 5}, 3, 2, 0, 0, 0, tile, strip), NothingLeft);
  EXPECT_EQ(tiles, (std::vector<TRect>{{0, 0, 3, 2}, {3, 0, 6, 2}, {6, 0, 7, 2}, {0, 2, 3, 4}, {3, 2, 6, 4},
                                       {6, 2, 7, 4}}));
  EXPECT_TRUE(strips.empty());
  tiles.clear();
  EXPECT_EQ(LayoutMaskedTextureTiles(TRect{0, 0, 7, 5}, 3, 2, 0, 0, 10, tile, strip), NothingLeft);
  EXPECT_EQ(tiles, (std::vector<TRect>{{0, 0, 3, 2}, {3, 0, 6, 2}, {0, 2, 3, 4}, {3, 2, 6, 4}}));
  EXPECT_EQ(strips, (std::vector<TRect>{{0, 4, 7, 5}, {6, 0, 7, 5}}));
  tiles.clear();
  strips.clear();
  EXPECT_EQ(LayoutMaskedTextureTiles(TRect{0, 0, 7, 5}, 3, 2, 0, 0, 2, tile, strip), (TRect{0, 0, 7, 5}));
  EXPECT_EQ(LayoutMaskedTextureTiles(TRect{0, 0, 7, 5}, 0, 2, 0, 0, 0, tile, strip), (TRect{0, 0, 7, 5}));
  EXPECT_TRUE(tiles.empty());
  EXPECT_TRUE(strips.empty());
}

}  // namespace
}  // namespace skin::paint
