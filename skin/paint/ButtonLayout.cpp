#include "skin/paint/ButtonLayout.h"

#include <algorithm>

namespace skin::paint {

namespace {

constexpr std::uint32_t kDrawTextRight = 0x2;  // DT_RIGHT: right-to-left reading

bool Horizontal(TButtonLayout layout) { return layout == classlib::blGlyphLeft || layout == classlib::blGlyphRight; }

}  // namespace

TButtonLayoutResult CalcButtonLayout(const TButtonLayoutParams& p) {
  using namespace classlib;
  TButtonLayout layout = p.Layout;
  if (p.BiDiFlags & kDrawTextRight) {
    if (layout == blGlyphLeft)
      layout = blGlyphRight;
    else if (layout == blGlyphRight)
      layout = blGlyphLeft;
  }
  const TPoint cs{p.Client.Width(), p.Client.Height()};
  const TPoint gs = p.GlyphSize;
  const TPoint ts = p.TextSize;
  TButtonLayoutResult out;
  out.TextBounds = Rect(0, 0, ts.X, ts.Y);
  TPoint glyph, text;
  const bool horizontal = Horizontal(layout);

  // Across the layout's axis each item is centred on its own.
  if (horizontal) {
    glyph.Y = (cs.Y - gs.Y + 1) / 2;
    text.Y = (cs.Y - ts.Y + 1) / 2;
  } else {
    glyph.X = (cs.X - gs.X + 1) / 2;
    text.X = (cs.X - ts.X + 1) / 2;
  }

  std::int32_t margin = p.Margin;
  std::int32_t spacing = p.Spacing;
  if (ts.X == 0 || gs.X == 0) spacing = 0;

  // Along the axis: only -1 makes the margin automatic, any negative spacing.
  const std::int32_t csA = horizontal ? cs.X : cs.Y;
  const std::int32_t gsA = horizontal ? gs.X : gs.Y;
  const std::int32_t tsA = horizontal ? ts.X : ts.Y;
  if (margin == -1 && spacing >= 0) {
    margin = p.Alignment == taCenter ? (csA - (gsA + spacing + tsA) + 1) / 2 : 2;
  } else if (margin == -1) {
    margin = (csA - (gsA + tsA)) / 3;
    spacing = margin;
  } else if (spacing < 0) {
    spacing = (csA - (gsA + margin) - tsA) / 2;
  }

  const std::int32_t centred = (cs.X - ts.X - spacing - gs.X) / 2;
  const std::int32_t block = (cs.Y - gs.Y - spacing - ts.Y) / 2;
  switch (layout) {
    case blGlyphLeft:
      if (p.Alignment == taLeftJustify) {
        glyph.X = margin;
        text.X = margin + gs.X + spacing;
        out.TextBounds.Right = std::min(ts.X, p.Client.Right - margin - text.X);
      } else if (p.Alignment == taRightJustify) {
        text.X = cs.X - margin - ts.X;
        glyph.X = text.X - spacing - gs.X;
      } else {
        glyph.X = std::max(centred, margin);
        text.X = glyph.X + spacing + gs.X;
      }
      break;
    case blGlyphRight:
      if (p.Alignment == taLeftJustify) {
        glyph.X = margin + ts.X + spacing;
        text.X = margin;
      } else if (p.Alignment == taRightJustify) {
        glyph.X = cs.X - margin - gs.X;
        text.X = glyph.X - spacing - ts.X;
      } else {
        text.X = centred;
        glyph.X = centred + spacing + ts.X;
      }
      break;
    case blGlyphTop:
      glyph.Y = block;
      text.Y = block + gs.Y + spacing;
      break;
    case blGlyphBottom:
      glyph.Y = cs.Y - gs.Y - block;
      text.Y = glyph.Y - spacing - ts.Y;
      break;
  }

  out.GlyphPos = Point(glyph.X + p.Client.Left, glyph.Y + p.Client.Top);
  const std::int32_t dx = p.Client.Left + text.X, dy = p.Client.Top + text.Y;
  out.TextBounds = Rect(out.TextBounds.Left + dx, out.TextBounds.Top + dy, out.TextBounds.Right + dx,
                        out.TextBounds.Bottom + dy);
  return out;
}

}  // namespace skin::paint
