#include "skin/paint/GlowGeometry.h"

#include <algorithm>
#include <climits>

namespace skin::paint {

namespace {

using i64 = std::int64_t;

// The part of one axis of the picture that shows: its start and length.
struct TAxisPart {
  i64 Start = 0;
  i64 Length = 0;
};

// One axis: the control from `first` to `last` (exclusive), its visible part
// from clipFirst to clipLast in its own coordinates, the borders before and
// after, and the picture's length on this axis.
TAxisPart VisiblePart(i64 first, i64 last, i64 clipFirst, i64 clipLast, i64 before, i64 after, i64 margin,
                      i64 picture) {
  const i64 size = last - first;
  const i64 clipSize = clipLast - clipFirst;
  const i64 start = clipFirst != 0 ? before + clipFirst - margin : 0;
  i64 cut = 0;
  if (size != clipLast) cut = start != 0 ? picture - start - clipSize : size - clipSize + after - margin;
  const i64 heldStart = std::clamp<i64>(start, 0, picture);
  const i64 heldCut = std::clamp<i64>(cut, 0, picture - heldStart);
  return TAxisPart{heldStart, picture - heldStart - heldCut};
}

bool FitsInt(i64 v) { return v >= INT32_MIN && v <= INT32_MAX; }

}  // namespace

TGlowGeometry GlowGeometry(const TRect& r, const TRect& rClip, const TGlowBorders& borders, std::int32_t margin) {
  TGlowGeometry g;
  const i64 pictureW = i64{r.Right} - r.Left + borders.Left + borders.Right - 2 * i64{margin};
  const i64 pictureH = i64{r.Bottom} - r.Top + borders.Top + borders.Bottom - 2 * i64{margin};
  if (pictureW < 1 || pictureH < 1 || !FitsInt(pictureW) || !FitsInt(pictureH)) return g;
  TAxisPart x{0, pictureW}, y{0, pictureH};
  const bool clipped = i64{rClip.Right} - rClip.Left != i64{r.Right} - r.Left ||
                       i64{rClip.Bottom} - rClip.Top != i64{r.Bottom} - r.Top;
  if (clipped) {
    x = VisiblePart(r.Left, r.Right, rClip.Left, rClip.Right, borders.Left, borders.Right, margin, pictureW);
    y = VisiblePart(r.Top, r.Bottom, rClip.Top, rClip.Bottom, borders.Top, borders.Bottom, margin, pictureH);
  }
  if (x.Length < 1 || y.Length < 1) return g;
  const i64 left = i64{r.Left} - borders.Left + margin + x.Start;
  const i64 top = i64{r.Top} - borders.Top + margin + y.Start;
  if (!FitsInt(left) || !FitsInt(top) || !FitsInt(left + x.Length) || !FitsInt(top + y.Length)) return g;
  g.Visible = true;
  g.PictureWidth = static_cast<std::int32_t>(pictureW);
  g.PictureHeight = static_cast<std::int32_t>(pictureH);
  g.Source = TPoint{static_cast<std::int32_t>(x.Start), static_cast<std::int32_t>(y.Start)};
  g.Window = TRect{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                   static_cast<std::int32_t>(left + x.Length), static_cast<std::int32_t>(top + y.Length)};
  return g;
}

}  // namespace skin::paint
