#pragma once
// Corners and window regions: painting a whole mask frame over a bitmap
// while collecting the key-colour runs of its corners (the pixels a shaped
// window must not own), filling one corner of a form's frame from another
// image, and listing the key runs of a mask's corners for a window of any
// width. The runs come back as rectangles; the Windows edge cuts them out
// of a region.
#include <cstdint>
#include <vector>

#include "skin/core/SkinData.h"
#include "skin/core/SkinTypes.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// Copies the inclusive source block (mask's own image or master image) to
// the inclusive destination block, the smaller of the two, cut to both
// images. MaskType 1 blends through the mask (half the mask rectangle below)
// with d := ((d - s) x m + s x 256) shr 8, alpha kept; other types copy.
// With Update, source key pixels are not drawn and, when Cuts is given,
// each horizontal run of them becomes one rectangle (destination
// coordinates) appended to Cuts. Nothing for a negative destination
// coordinate, a destination under 2 x 2 or a mask without manager.
void CopyMaskCorners(std::int32_t dstLeft, std::int32_t dstTop, std::int32_t dstRight, std::int32_t dstBottom,
                     std::int32_t srcLeft, std::int32_t srcTop, std::int32_t srcRight, std::int32_t srcBottom,
                     const TPixelView& dst, std::vector<TRect>* cuts, const TsMaskData& mask, bool update);

// Frame `state` of the mask over the whole bitmap: corners with
// CopyMaskCorners (Update, their key runs into Cuts), sides tiled with it
// or stretched, the centre only with Filling and DrawMode 4. A mask without
// frames is taken as one frame over its whole image.
void CopyMaskCornersWithRegion(const TPixelView& bmp, std::vector<TRect>* cuts, bool filling, const TsMaskData& mask,
                               std::int32_t state);

// Hit-test codes of the corners; any other value is the top-left one.
inline constexpr std::int32_t kCornerTopLeft = 13;
inline constexpr std::int32_t kCornerTopRight = 14;
inline constexpr std::int32_t kCornerBottomLeft = 16;
inline constexpr std::int32_t kCornerBottomRight = 17;

// Pixels of DstRect in Dst take Src's pixels from SrcPos where the key
// shows: where Dst itself is the key (no mask), or where the mask's first
// frame has the key at that place of the corner. Only pixels inside Dst,
// Src and the mask image are read or written.
void FillMaskCorner(const TPixelView& dst, const TPixelView& src, const TRect& dstRect, const TPoint& srcPos,
                    const TsMaskData* mask, std::int32_t corner);

// Appends one rectangle per horizontal run of key pixels in the two top
// (or bottom) corners of the mask's first frame, placed for a window
// `width` pixels wide, rows numbered from y: the left corner's rows first,
// then the right corner's.
void CollectCornerRects(std::vector<TRect>& rects, std::int32_t width, const TsMaskData& mask, bool bottom,
                        std::int32_t y);

}  // namespace skin::paint
