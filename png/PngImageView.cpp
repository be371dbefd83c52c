#include "png/PngImageView.h"

#include <new>

namespace png {

TPngImageBuffer::TPngImageBuffer(const TPngHeaderValues& header) {
  CheckImageBufferSize(header);
  view_.Width = header.Width;
  view_.Height = header.Height;
  view_.BitDepth = header.BitDepth;
  view_.ColorType = header.ColorType;
  view_.BytesPerRow =
      static_cast<size_t>(StoredRowBytes(header.Width, StoredBitsPerPixel(header.ColorType, header.BitDepth)));
  const size_t bitsSize = view_.BytesPerRow * header.Height;
  bits_ = AllocateZeroed(bitsSize);
  view_.Bits = bits_.get();
  if (HasAlphaBuffer(header.ColorType)) {
    alpha_ = AllocateZeroed(static_cast<size_t>(header.Width) * header.Height);
    view_.Alpha = alpha_.get();
  }
  if (header.BitDepth == 16) {
    extra_ = AllocateZeroed(bitsSize);
    view_.Extra = extra_.get();
  }
}

TPngImageBuffer::TZeroedBytes TPngImageBuffer::AllocateZeroed(size_t size) {
  TZeroedBytes bytes(static_cast<uint8_t*>(std::calloc(size, 1)));
  if (!bytes) throw std::bad_alloc();
  return bytes;
}

}  // namespace png
