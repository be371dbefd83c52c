#pragma once
// The decoded pixels of an image as the codec sees them: the stored bitmap
// (rows bottom-up, padded to 4 bytes, StoredBitsPerPixel per pixel), the
// alpha buffer (one byte per pixel, top row first) for colour types 4 and 6,
// and the 16-bit side buffer (the low bytes, laid out like the bitmap).
// The buffers belong to someone else: a DIB section on Windows, zeroed blocks in
// TPngImageBuffer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "png/PngFormat.h"

namespace png {

struct TPngImageView {
  uint32_t Width = 0;
  uint32_t Height = 0;
  uint8_t BitDepth = 0;
  uint8_t ColorType = 0;
  uint8_t* Bits = nullptr;
  size_t BytesPerRow = 0;
  uint8_t* Alpha = nullptr;
  uint8_t* Extra = nullptr;

  // Image line y (0 = top) of the bitmap and of the side buffers.
  uint8_t* Row(uint32_t y) const { return Bits + static_cast<size_t>(Height - 1 - y) * BytesPerRow; }
  uint8_t* ExtraRow(uint32_t y) const {
    return Extra ? Extra + static_cast<size_t>(Height - 1 - y) * BytesPerRow : nullptr;
  }
  uint8_t* AlphaRow(uint32_t y) const { return Alpha ? Alpha + static_cast<size_t>(y) * Width : nullptr; }
};

// Pixel buffers in memory, for code that has no DIB section (tests, tools).
class TPngImageBuffer {
 public:
  // Allocates zeroed buffers for the header; raises EPNGOutMemory when they
  // would exceed the codec's limit.
  explicit TPngImageBuffer(const TPngHeaderValues& header);
  const TPngImageView& View() const { return view_; }

 private:
  struct TFree {
    void operator()(uint8_t* p) const { std::free(p); }
  };
  // From calloc: large zeroed blocks come straight from the system's zero
  // pages (as a DIB section's bits do) instead of being cleared first.
  using TZeroedBytes = std::unique_ptr<uint8_t[], TFree>;
  static TZeroedBytes AllocateZeroed(size_t size);

  TZeroedBytes bits_, alpha_, extra_;
  TPngImageView view_;
};

}  // namespace png
