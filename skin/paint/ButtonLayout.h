#pragma once
// Where a button puts its glyph and its caption: the glyph's top-left corner
// and the caption's bounds inside the client rectangle, for each layout and
// alignment, with automatic margin and spacing.
#include <cstdint>

#include "classlib/controls/LayoutTypes.h"
#include "skin/core/SkinTypes.h"

namespace skin::paint {

using classlib::TAlignment;
using classlib::TButtonLayout;

struct TButtonLayoutParams {
  TRect Client;
  TPoint GlyphSize;
  TPoint TextSize;
  TButtonLayout Layout = classlib::blGlyphLeft;
  TAlignment Alignment = classlib::taCenter;
  std::int32_t Margin = -1;   // -1: automatic
  std::int32_t Spacing = 4;   // any negative value: automatic
  std::uint32_t BiDiFlags = 0;  // the control's DrawText reading flags; DT_RIGHT swaps left and right
};

struct TButtonLayoutResult {
  TPoint GlyphPos;
  TRect TextBounds;
};

TButtonLayoutResult CalcButtonLayout(const TButtonLayoutParams& p);

}  // namespace skin::paint
