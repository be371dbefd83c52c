#include "bitmap/Bmp32_Backends_Generic.h"

#include <algorithm>
#include <new>

#include "bitmap/Bmp32_Error.h"

namespace bmp32 {

void TMemoryBackend::AllocateSurface(std::int32_t newWidth, std::int32_t newHeight, bool clearBuffer) {
  const std::size_t count = static_cast<std::size_t>(newWidth) * static_cast<std::size_t>(newHeight);
  store_.reset(new (std::nothrow) TColor32[count]);
  if (!store_) throw EBmp32Error(L"Can't allocate the pixel buffer");
  bits_ = store_.get();
  if (clearBuffer) std::fill_n(bits_, count, TColor32{0xFF000000});
}

void TMemoryBackend::ReleaseSurface() {
  store_.reset();
  bits_ = nullptr;
}

}  // namespace bmp32
