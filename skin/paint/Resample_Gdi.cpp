#include "skin/paint/Resample_Gdi.h"

#include "classlib/core/Exception.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/paint/PixelView_Gdi.h"
#include "skin/paint/Resample.h"

namespace skin::paint {

void ResampleBitmap(classlib::TBitmap* src, classlib::TBitmap* dst, std::int32_t newWidth, std::int32_t newHeight,
                    std::uint8_t filter, std::int32_t /*reserved*/) {
  if (src == nullptr || dst == nullptr || newWidth < 1 || newHeight < 1) return;
  if (src->Width() < 2 || src->Height() < 2) throw classlib::Exception(kSourceTooSmall);
  if (src->Width() == newWidth && src->Height() == newHeight) {
    if (dst != src) dst->Assign(src);
    return;
  }

  const classlib::TPixelFormat format = src->PixelFormat() == classlib::pf32bit ? classlib::pf32bit : classlib::pf24bit;
  src->SetPixelFormat(format);
  // The rows pass is done with the source before Dst (perhaps the source
  // itself) takes the new size.
  const TTwoPassResample resample(ViewOf24or32(src), newWidth, filter);
  dst->SetPixelFormat(format);
  dst->SetSize(newWidth, newHeight);
  resample.ColumnsInto(ViewOf24or32(dst));
}

}  // namespace skin::paint
