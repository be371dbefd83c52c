// Every copy and blend, called with rectangles and positions that poke out
// of its bitmaps on every side, writes only inside the destination.
#include <gtest/gtest.h>

#include <random>

#include "PixelGrid.h"
#include "skin/paint/AlphaCopies.h"
#include "skin/paint/BitmapGlyph.h"
#include "skin/paint/ChannelCopy.h"
#include "skin/paint/Blends.h"
#include "skin/paint/KeyedCopies.h"
#include "skin/paint/NinePieces.h"
#include "skin/paint/PixelRows.h"

namespace skin::paint {
namespace {

using testing::TPixelGrid;

class TSweep {
 public:
  std::int32_t Coord() { return std::uniform_int_distribution<std::int32_t>(-9, 12)(rng_); }
  std::int32_t Size() { return std::uniform_int_distribution<std::int32_t>(1, 6)(rng_); }
  TRect Rect() { return TRect{Coord(), Coord(), Coord(), Coord()}; }
  bool Flag() { return (rng_() & 1) != 0; }
  // Pixels with keys and varied alpha.
  TPixelGrid Grid() {
    TPixelGrid grid(Size(), Size());
    for (std::int32_t y = 0; y < grid.Height(); ++y)
      for (std::int32_t x = 0; x < grid.Width(); ++x) grid.At(x, y) = rng_() % 3 == 0 ? KeyPixel : rng_();
    return grid;
  }

 private:
  std::mt19937 rng_{20261211};
};

TEST(ClippingSweep, NoRoutineWritesOutsideItsDestination) {
  TSweep sweep;
  for (int round = 0; round < 3000; ++round) {
    TPixelGrid dst = sweep.Grid();
    TPixelGrid src = sweep.Grid();
    TPixelGrid other = sweep.Grid();
    TPixelGrid parent = sweep.Grid();
    const TCacheView ci{parent.View(), sweep.Coord(), sweep.Coord(), 0x123456, sweep.Flag()};
    TsMaskData mask;
    mask.R = sweep.Rect();
    const TPoint pos{sweep.Coord(), sweep.Coord()};

    CopyKeyedRect(dst.View(), src.View(), pos.X, pos.Y, sweep.Rect(), 0xFF00FF, ci);
    CopyTransparentRect(dst.View(), src.View(), pos.X, pos.Y, sweep.Rect(), 0xFF00FF, ci, sweep.Flag());
    CopyTransparentRect(dst.View(), src.View(), pos.X, pos.Y, sweep.Rect(), 0xFF00FF,
                        TCacheView{dst.View(), pos.Y, pos.X, 0, true}, true);
    CopyByMask(sweep.Rect(), sweep.Rect(), dst.View(), src.View(), ci, sweep.Flag(), mask);
    CopyBmpWithKey(dst.View(), src.View(), pos.X, 0xFF00FF, pos.Y);
    CopyTransRect(sweep.Rect(), sweep.Rect(), dst.View(), sweep.Flag(), ci, src.View());
    CopyAlphaBitmap(sweep.Rect(), sweep.Rect(), dst.View(), src.View(), ci, sweep.Flag(),
                    sweep.Flag() ? 0x1FFFFFFF : 0x80FF40, sweep.Coord() * 10, sweep.Flag());
    BlendRect256(dst.View(), src.View(), 77, pos, sweep.Rect());
    BlendTransRect(dst.View(), pos.X, pos.Y, 0xFF00FF, 0.3, sweep.Rect(), src.View());
    BlendBitmaps(dst.View(), src.View(), src.View(), 200, sweep.Flag() ? other.View() : TPixelView{});
    AlphaBlendByMask(dst.View(), src.View(), sweep.Flag() ? other.View() : TPixelView{}, sweep.Rect());
    PaintNinePieces(dst.View(), src.View(), sweep.Rect(), sweep.Flag(), static_cast<std::uint8_t>(sweep.Size() % 3),
                    {sweep.Size() % 3, sweep.Size() % 3, sweep.Size() % 3, sweep.Size() % 3}, sweep.Rect(),
                    sweep.Rect(), sweep.Rect());
    PaintBitmapGlyph(src.View(), sweep.Flag(), dst.View(), sweep.Rect(), static_cast<std::uint8_t>(sweep.Size()),
                     false, sweep.Coord() * 10, sweep.Size() % 3, static_cast<std::uint8_t>(sweep.Size() % 4),
                     sweep.Flag(), sweep.Coord());

    FadeBmpToColor(dst.View(), 0x204060, 0.4);
    BlendColorByMask(dst.View(), other.View(), 0x204060);
    BlendEqualBitmaps(dst.View(), other.View(), 100);
    const TPixelView bytes = src.View();
    CopyBitmapChannel(dst.View(), MakeView(bytes.Bits, bytes.Width * 4, bytes.Height, bytes.Stride, 1),
                      sweep.Size() % 4, sweep.Flag());

    ASSERT_TRUE(dst.GuardsIntact()) << "round " << round;
    ASSERT_TRUE(src.GuardsIntact()) << "round " << round;
  }
}

}  // namespace
}  // namespace skin::paint
