#pragma once
// The geometry shared by the nine-piece mask painters: which frame of a
// mask strip a state shows, how the border widths shrink to fit a small
// rectangle, and where the nine pieces of that frame go. Nothing here
// touches pixels. Lengths are 64-bit so that no rectangle overflows.
#include <array>
#include <cstdint>

#include "skin/core/SkinData.h"
#include "skin/core/SkinTypes.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// Cuts the border widths a (near) and b (far) when they do not fit into
// length: half the excess off each, the odd pixel off b; below 0 becomes 0.
void ShrinkBorderPair(std::int64_t& a, std::int64_t& b, std::int64_t length);

// The frame of the strip a state shows: a negative state shows frame 0, a
// state beyond the strip the last frame; -1 for a strip with no frames.
std::int32_t MaskFrameIndex(const TsMaskData& mask, std::int32_t state);

// One frame of a mask, placed for a destination rectangle.
struct TMaskFrame {
  std::int64_t FX = 0, FY = 0;  // the frame's origin in the source image
  std::int64_t FW = 0, FH = 0;  // its size (the colour part only)
  std::int64_t MO = 0;          // rows from a colour pixel down to its mask pixel; 0 without a mask
  std::int64_t WL = 0, WT = 0, WR = 0, WB = 0;  // the border widths, shrunk to the rectangle
  std::int64_t MW = 0, MH = 0;  // the frame's middle
  bool Stretched = false;       // sides and centre stretched, else tiled
};

// The frame for painting `mask` in `state` into a rectangle of the given
// size with borders shrunk to it. False when nothing may be drawn: no frames,
// a negative mask type, a mask rectangle (frames and mask rows) that does not
// lie inside the source image, or borders wider than the frame.
bool MaskFrameFor(const TsMaskData& mask, std::int32_t state, std::int64_t width, std::int64_t height,
                  const TPixelView& source, TMaskFrame& frame);

// The nine pieces of a frame, named for their place.
enum TMaskPieceKind : std::uint8_t {
  mpTopLeft, mpLeft, mpTop, mpBottomLeft, mpBottom, mpBottomRight, mpTopRight, mpRight, mpCentre
};

// A piece: the destination block (which may be empty or reach outside the
// rectangle) and the source block of the frame that fills it.
struct TMaskPiece {
  TMaskPieceKind Kind = mpTopLeft;
  std::int64_t DstX = 0, DstY = 0, DstW = 0, DstH = 0;
  std::int64_t SrcX = 0, SrcY = 0, SrcW = 0, SrcH = 0;
  bool IsCorner() const {
    return Kind == mpTopLeft || Kind == mpTopRight || Kind == mpBottomLeft || Kind == mpBottomRight;
  }
};

// The piece of `kind` of the frame in rectangle r (left, top inclusive).
TMaskPiece MaskPieceOf(const TMaskFrame& frame, const TRect& r, TMaskPieceKind kind);

// The painting order of the nine-piece painter: top-left, left, top,
// bottom-left, bottom, bottom-right, top-right, right, centre.
inline constexpr std::array<TMaskPieceKind, 9> kMaskRectOrder = {
    mpTopLeft, mpLeft, mpTop, mpBottomLeft, mpBottom, mpBottomRight, mpTopRight, mpRight, mpCentre};

// A destination block cut to a clip rectangle, with its source moved along
// (for pieces copied at their own size).
struct TClippedBlock {
  std::int64_t DstX = 0, DstY = 0, W = 0, H = 0;
  std::int64_t SrcX = 0, SrcY = 0;
  bool Empty() const { return W < 1 || H < 1; }
};
TClippedBlock ClipBlock(std::int64_t dstX, std::int64_t dstY, std::int64_t w, std::int64_t h, std::int64_t srcX,
                        std::int64_t srcY, const TRect& clip);

// Rectangle r cut to the view: the pixels a painter may write.
TRect ClipToView(const TRect& r, const TPixelView& view);

// Calls tile(position, length) for each tile of a tiled run from `near` to
// `far` with tile length t: whole tiles while far - t > position, then the
// rest. A tile length below 1 draws nothing.
template <typename Tile>
void ForEachTile(std::int64_t near, std::int64_t far, std::int64_t t, Tile&& tile) {
  if (t < 1) return;
  std::int64_t p = near;
  while (far - t > p) {
    tile(p, t);
    p += t;
  }
  if (far > p) tile(p, far - p);
}

}  // namespace skin::paint
