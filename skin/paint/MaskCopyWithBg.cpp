#include "skin/paint/MaskCopyWithBg.h"

#include <algorithm>
#include <array>

#include "skin/paint/PixelOps.h"
#include "skin/paint/PixelRows.h"

namespace skin::paint {

namespace {

constexpr TColor NoColour = 0xFF00FF;

// One axis of a copy that reads or writes several images at once: a start
// and the size of its image for each. A negative start moves every start on
// by the same amount; the count then ends where the first image does.
template <std::size_t N>
std::int64_t ClipAxis(std::int64_t count, std::array<std::int64_t, N>& starts,
                      const std::array<std::int64_t, N>& sizes) {
  std::int64_t shift = 0;
  for (std::int64_t start : starts) shift = std::max(shift, -start);
  count -= shift;
  for (std::size_t i = 0; i < N; ++i) {
    starts[i] += shift;
    count = std::min(count, sizes[i] - starts[i]);
  }
  return count;
}

std::int64_t InclusiveSize(std::int32_t first, std::int32_t last) {
  return static_cast<std::int64_t>(last) - first + 1;
}

// What a key-colour source pixel leaves in destination row dy, columns
// dx .. dx + count - 1.
void FillKeysFromBackground(std::uint32_t* dstRow, const std::uint32_t* srcRow, std::int32_t count,
                            std::int64_t dx, std::int64_t dy, const TCacheView& background) {
  const std::uint32_t fill = SwapRedBlue(static_cast<std::uint32_t>(background.FillColor));
  const bool hasFill = background.FillColor != NoColour;
  if (!background.Ready) {
    if (!hasFill) return;
    for (std::int32_t i = 0; i < count; ++i)
      if (srcRow[i] == KeyPixel) dstRow[i] = fill;
    return;
  }
  if (hasFill) {
    for (std::int32_t i = 0; i < count; ++i)
      if (srcRow[i] == KeyPixel) dstRow[i] = (dstRow[i] & 0xFF000000u) | (fill & 0x00FFFFFFu);
    return;
  }
  const TPixelView& parent = background.Bmp;
  const std::int64_t py = background.Y + dy;
  if (!parent.Is32() || py < 0 || py >= parent.Height) return;
  const std::uint32_t* parentRow = parent.Row32(static_cast<std::int32_t>(py));
  for (std::int32_t i = 0; i < count; ++i) {
    if (srcRow[i] != KeyPixel) continue;
    const std::int64_t px = background.X + dx + i;
    if (px >= parent.Width) break;  // the parent image ends here
    if (px >= 0) dstRow[i] = parentRow[px];
  }
}

}  // namespace

void CopyByMaskWithBg(const TRect& dstRect, const TRect& srcRect, const TPixelView& dst,
                      const TCacheView& background, const TsMaskData& mask, const TPixelView& master) {
  if (!dst.Is32() || !master.Is32()) return;
  const std::int64_t maskOffset = (static_cast<std::int64_t>(mask.R.Bottom) - mask.R.Top) / 2;

  std::array<std::int64_t, 2> xs{dstRect.Left, srcRect.Left};
  const std::int64_t columns =
      ClipAxis(std::min(InclusiveSize(dstRect.Left, dstRect.Right), InclusiveSize(srcRect.Left, srcRect.Right)),
               xs, {dst.Width, master.Width});
  // Rows: destination, source and the source's mask rows.
  std::array<std::int64_t, 3> ys{dstRect.Top, srcRect.Top, srcRect.Top + maskOffset};
  const std::int64_t rows =
      ClipAxis(std::min(InclusiveSize(dstRect.Top, dstRect.Bottom), InclusiveSize(srcRect.Top, srcRect.Bottom)),
               ys, {dst.Height, master.Height, master.Height});
  if (columns < 1 || rows < 1) return;

  const auto count = static_cast<std::int32_t>(columns);
  for (std::int64_t j = 0; j < rows; ++j) {
    std::uint32_t* dstRow = dst.Row32(static_cast<std::int32_t>(ys[0] + j)) + xs[0];
    const std::uint32_t* srcRow = master.Row32(static_cast<std::int32_t>(ys[1] + j)) + xs[1];
    const std::uint32_t* maskRow = master.Row32(static_cast<std::int32_t>(ys[2] + j)) + xs[1];
    BlendRowByMask(dstRow, srcRow, maskRow, count, mrSkipKeys | mrAlphaKept);
    FillKeysFromBackground(dstRow, srcRow, count, xs[0], ys[0] + j, background);
  }
}

}  // namespace skin::paint
