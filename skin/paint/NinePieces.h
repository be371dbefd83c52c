#pragma once
// The nine-piece copy of a bordered picture into a rectangle: four corners
// as they are, four sides and the centre tiled or stretched. The layout of
// the pieces is portable (and drawn here over pixel views with
// nearest-pixel stretching); the Windows edge draws the same pieces with
// BitBlt and StretchBlt.
#include <array>
#include <cstdint>
#include <functional>

#include "skin/core/SkinTypes.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// One copy: Dst* the destination block, Src* the source block (the same
// size unless Stretch). 64-bit so that no layout overflows.
struct TNinePieceBlit {
  std::int64_t DstX = 0, DstY = 0, DstW = 0, DstH = 0;
  std::int64_t SrcX = 0, SrcY = 0, SrcW = 0, SrcH = 0;
  bool Stretch = false;
};

using TNinePieceSink = std::function<void(const TNinePieceBlit&)>;

// Side modes: 0 tiled, 1 stretched, others nothing (left, top, right,
// bottom). Centre modes: 0 tiled, 1 stretched. Margins are the left, top,
// right and bottom border widths of the picture in SrcRect; Limits cap the
// widths drawn of each. Blocks that lie wholly outside Clip are not
// emitted (so a long tiled side costs only what shows); blocks with no
// area never are.
void LayoutNinePieces(const TRect& dstRect, bool fillCentre, std::uint8_t centreMode,
                      const std::array<std::int32_t, 4>& sideModes, const TRect& limits, const TRect& margins,
                      const TRect& srcRect, const TRect& clip, const TNinePieceSink& sink);

// One block drawn over views of equal pixel size, clipped to both.
void DrawNinePieceBlit(const TPixelView& dst, const TPixelView& src, const TNinePieceBlit& blit);

// The whole copy over views (both 24- or both 32-bit; nothing otherwise).
void PaintNinePieces(const TPixelView& dst, const TPixelView& src, const TRect& dstRect, bool fillCentre,
                     std::uint8_t centreMode, const std::array<std::int32_t, 4>& sideModes, const TRect& limits,
                     const TRect& margins, const TRect& srcRect);

}  // namespace skin::paint
