#pragma once
// Section gradients painted into 32-bit views: vertical (mode 0) and
// horizontal (mode 1) bands, alone or mixed with a tiled texture. The
// triangle mode (2) goes through the system's gradient fill and lives in
// Gradient_Gdi.h; here it paints nothing.
//
// The rectangle is cut to the view first; bands are measured on the cut
// rectangle. Within a band the colour runs from Color1 on its first line to
// Color2 on its last, each channel rounded to the nearest integer (halves to
// even); the line where one band ends is painted again as the next band's
// first. A band with no length stops the painting: the bands before it stay.
#include <cstdint>

#include "skin/core/GradientData.h"
#include "skin/core/SkinTypes.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

inline constexpr int gmVertical = 0;
inline constexpr int gmHorizontal = 1;
inline constexpr int gmTriangles = 2;

// The mode of the whole gradient: that of its first step (-1 for none).
int GradientMode(const TsGradientArray& steps);

// Modes 0 and 1 with alpha 255. Offset (mode 0 only) moves the bands down
// and lengthens them by as much; rows it pushes outside the rectangle are
// not painted. Nothing for a view that is not 32-bit, an empty rectangle or
// no steps.
void PaintGradient(const TPixelView& bmp, const TRect& r, const TsGradientArray& steps, std::int32_t offset = 0);

// The gradient mixed with the texture SrcRect of Src (empty: the whole of
// Src), tiled from the view's origin: the texture pixel behind (x, y) is
// (SrcRect.Left + x mod w, SrcRect.Top + y mod h). The texture's width and
// height are limited to Src.Width - 1 - Left and Src.Height - 1 - Top; a
// texture that ends up without a pixel, or that starts outside Src, paints
// nothing. Per colour byte d := (g x 256 + (s - g) x Amount) shr 8
// (Amount, the texture's share, held in 0..256); alpha := Alpha.
void PaintGradientBlended(const TPixelView& bmp, const TRect& r, const TsGradientArray& steps, std::uint8_t alpha,
                          std::int32_t amount, const TRect& srcRect, const TPixelView& src);

}  // namespace skin::paint
