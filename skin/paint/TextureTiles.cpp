#include "skin/paint/TextureTiles.h"

#include <algorithm>

namespace skin::paint {

namespace {

using i64 = std::int64_t;

// One axis of a tiling: whole tiles of Step from Start while below End,
// then, with LastPiece, one more piece up to Outer (at most a tile long).
struct TAxis {
  i64 Start = 0;
  i64 End = 0;
  i64 Outer = 0;
  i64 Step = 1;
  bool LastPiece = true;
};

// The first position after the whole tiles.
i64 AfterWholeTiles(const TAxis& a) {
  const i64 count = a.End > a.Start ? (a.End - a.Start + a.Step - 1) / a.Step : 0;
  return a.Start + count * a.Step;
}

// Each(position, length) for the cells of the axis that reach into [lo, hi).
template <class Each>
void ForEachCell(const TAxis& a, i64 lo, i64 hi, Each each) {
  const i64 after = AfterWholeTiles(a);
  for (i64 pos = a.Start + std::max<i64>(0, (lo - a.Start) / a.Step) * a.Step; pos < after && pos < hi;
       pos += a.Step)
    if (pos + a.Step > lo) each(pos, a.Step);
  if (!a.LastPiece) return;
  const i64 length = std::min(a.Step, a.Outer - after);
  if (length > 0 && after < hi && after + length > lo) each(after, length);
}

// The grid of the two axes: every cell a copy of the tile's top-left part.
void EmitGrid(const TAxis& x, const TAxis& y, i64 srcX, i64 srcY, const TRect& clip, const TNinePieceSink& sink) {
  ForEachCell(y, clip.Top, clip.Bottom, [&](i64 top, i64 height) {
    ForEachCell(x, clip.Left, clip.Right, [&](i64 left, i64 width) {
      sink(TNinePieceBlit{left, top, width, height, srcX, srcY, width, height, false});
    });
  });
}

TAxis Tiles(i64 first, i64 last, i64 step) { return TAxis{first, last - step, last, step, true}; }
// A single row or column of one tile's depth at First.
TAxis Single(i64 first, i64 last, i64 step) { return TAxis{first, first, last, step, true}; }

}  // namespace

TRect LayoutTextureTiles(const TRect& r, std::int32_t tileW, std::int32_t tileH, std::int32_t srcX,
                         std::int32_t srcY, std::uint8_t mode, const TRect& clip, const TNinePieceSink& sink) {
  if (tileW < 1 || tileH < 1) return r;
  const i64 w = tileW, h = tileH;
  const i64 width = i64{r.Right} - r.Left, height = i64{r.Bottom} - r.Top;
  const TAxis columns = Tiles(r.Left, r.Right, w), rows = Tiles(r.Top, r.Bottom, h);
  const auto stretch = [&](i64 dstW, i64 dstH) {
    if (dstW > 0 && dstH > 0) sink(TNinePieceBlit{r.Left, r.Top, dstW, dstH, srcX, srcY, w, h, true});
  };
  switch (mode) {
    case 0:
      EmitGrid(columns, rows, srcX, srcY, clip, sink);
      return NothingLeft;
    case 1:
      stretch(width, height);
      return NothingLeft;
    case 2:
      EmitGrid(columns, Single(r.Top, r.Bottom, h), srcX, srcY, clip, sink);
      return TRect{r.Left, static_cast<std::int32_t>(std::min<i64>(i64{r.Top} + h, INT32_MAX)), r.Right, r.Bottom};
    case 3:
      EmitGrid(Single(r.Left, r.Right, w), rows, srcX, srcY, clip, sink);
      return TRect{static_cast<std::int32_t>(std::min<i64>(i64{r.Left} + w, INT32_MAX)), r.Top, r.Right, r.Bottom};
    case 4:
      stretch(width, h);
      return TRect{r.Left, static_cast<std::int32_t>(std::min<i64>(i64{r.Top} + h, INT32_MAX)), r.Right, r.Bottom};
    case 5:
      stretch(w, height);
      return TRect{static_cast<std::int32_t>(std::min<i64>(i64{r.Left} + w, INT32_MAX)), r.Top, r.Right, r.Bottom};
    case 6: {
      // Aligned to the bottom; a rectangle lower than the tile shows the
      // tile's lower part rather than drawing above the rectangle.
      const i64 top = std::max<i64>(r.Top, i64{r.Bottom} - h);
      EmitGrid(columns, TAxis{top, top, r.Bottom, h, true}, srcX, srcY + (top - (i64{r.Bottom} - h)), clip, sink);
      return TRect{r.Left, r.Top, r.Right, static_cast<std::int32_t>(std::max<i64>(i64{r.Bottom} - h, INT32_MIN))};
    }
    case 10:
      EmitGrid(columns, TAxis{r.Top, i64{r.Bottom} - h, r.Bottom, h, false}, srcX, srcY, clip, sink);
      return NothingLeft;
    default: {
      EmitGrid(columns, rows, srcX, srcY, clip, sink);
      const std::int32_t edge = static_cast<std::int32_t>(std::max<i64>(i64{r.Right} - w, INT32_MIN));
      return mode == 7 ? TRect{r.Left, r.Top, edge, r.Bottom} : TRect{edge, r.Top, r.Right, r.Bottom};
    }
  }
}

void TileGraphic(const TPixelView& dst, const TRect& r, const TPixelView& graphic) {
  if (!dst.Valid() || !graphic.Valid()) return;
  LayoutTextureTiles(r, graphic.Width, graphic.Height, 0, 0, 0, TRect{0, 0, dst.Width, dst.Height},
                     [&](const TNinePieceBlit& b) { DrawNinePieceBlit(dst, graphic, b); });
}

void TileTexture(const TPixelView& dst, TRect& r, const TPixelView& image, const TsMaskData& mask,
                 const TPixelView& maskSource, std::uint8_t mode) {
  if (image.Valid()) {
    TileGraphic(dst, r, image);
    r = NothingLeft;
    return;
  }
  if (!maskSource.Valid()) return;
  r = LayoutTextureTiles(r, mask.R.Width(), mask.R.Height(), mask.R.Left, mask.R.Top, mode,
                         dst.Valid() ? TRect{0, 0, dst.Width, dst.Height} : TRect{},
                         [&](const TNinePieceBlit& b) { DrawNinePieceBlit(dst, maskSource, b); });
}

TRect LayoutMaskedTextureTiles(const TRect& r, std::int32_t tileW, std::int32_t tileH, std::int32_t srcX,
                               std::int32_t srcY, std::uint8_t mode, const TNinePieceSink& tile,
                               const std::function<void(const TRect&)>& strip) {
  if (tileW < 1 || tileH < 1 || (mode != 0 && mode != 10)) return r;
  const TAxis columns{r.Left, i64{r.Right} - tileW, r.Right, tileW, mode == 0};
  const TAxis rows{r.Top, i64{r.Bottom} - tileH, r.Bottom, tileH, false};
  const TRect everywhere{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  // Mode 0 cuts the last column's width; the masked copy takes whole rows.
  ForEachCell(rows, everywhere.Top, everywhere.Bottom, [&](i64 top, i64 height) {
    ForEachCell(columns, everywhere.Left, everywhere.Right, [&](i64 left, i64 width) {
      tile(TNinePieceBlit{left, top, width, height, srcX, srcY, width, height, false});
    });
  });
  if (mode == 10) {
    const auto at = [](i64 v) { return static_cast<std::int32_t>(std::clamp<i64>(v, INT32_MIN, INT32_MAX)); };
    const std::int32_t lastY = at(AfterWholeTiles(rows)), lastX = at(AfterWholeTiles(columns));
    if (lastY < r.Bottom) strip(TRect{r.Left, lastY, r.Right, r.Bottom});
    if (lastX < r.Right) strip(TRect{lastX, r.Top, r.Right, r.Bottom});
  }
  return NothingLeft;
}

}  // namespace skin::paint
