#include "png/PngImageView.h"

namespace png {

TPngImageBuffer::TPngImageBuffer(const TPngHeaderValues& header) {
  CheckImageBufferSize(header);
  view_.Width = header.Width;
  view_.Height = header.Height;
  view_.BitDepth = header.BitDepth;
  view_.ColorType = header.ColorType;
  view_.BytesPerRow =
      static_cast<size_t>(StoredRowBytes(header.Width, StoredBitsPerPixel(header.ColorType, header.BitDepth)));
  bits_.assign(view_.BytesPerRow * header.Height, 0);
  view_.Bits = bits_.data();
  if (HasAlphaBuffer(header.ColorType)) {
    alpha_.assign(static_cast<size_t>(header.Width) * header.Height, 0);
    view_.Alpha = alpha_.data();
  }
  if (header.BitDepth == 16) {
    extra_.assign(bits_.size(), 0);
    view_.Extra = extra_.data();
  }
}

}  // namespace png
