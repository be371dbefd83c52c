#pragma once
// Solid fills, frames, dotted focus rectangles and a small arrow on device
// contexts and canvases. Every brush and pen made here is deleted before
// the routine returns, and the context gets its own objects back.
#include <windows.h>

#include <cstdint>

#include "skin/core/SkinTypes.h"

namespace classlib {
class TCanvas;
class TWinControl;
}  // namespace classlib

namespace skin::paint {

// R filled with Color (system colours resolved).
void FillRectColor(HDC dc, const TRect& r, TColor color);

// The four bands of R with the given widths (top and bottom full width,
// left and right between them) filled with Color.
struct TFrameWidths {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
};
void FillFrameColor(HDC dc, const TRect& r, const TFrameWidths& widths, TColor color);

// The frame of BorderWidth pixels of a W x H area copied from Src to Dst
// (callers pass X = Y = 0 and the destination's size; the sizes run past the
// frame and the destination's bounds cut them).
void CopyFrameBits(HDC dst, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, HDC src,
                   std::int32_t srcX, std::int32_t srcY, std::int32_t borderWidth);

// Leaves the visible windowless children of Parent out of DC's clip area,
// their bounds moved by the offsets.
void ExcludeGraphicControls(HDC dc, classlib::TWinControl* parent, std::int32_t offsetY, std::int32_t offsetX);

// Width nested 1-pixel frames, lighter top-left and darker bottom-right.
// R ends shrunk by the frames drawn on every side and Width at 0.
void DrawFrame3D(HDC dc, TRect& r, TColor topLeftColor, std::int32_t& width, TColor bottomRightColor);

// Every third pixel of each side in Color1, its left or upper neighbour in
// Color2.
void DrawDottedRect(classlib::TCanvas* canvas, const TRect& r, TColor color2, TColor color1);

enum TSmallArrowDirection : std::int32_t { sadRight = 4, sadDown = 8 };
// A small triangle centred in R: 4 x 7 pointing right or 8 x 4 pointing
// down; other directions draw nothing.
void DrawSmallArrow(classlib::TCanvas* canvas, TColor color, const TRect& r, std::int32_t direction);

}  // namespace skin::paint
