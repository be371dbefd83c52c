// Feeds arbitrary bytes to the 32-bit bitmap's BMP reader and to its "Data"
// property reader; whatever loads must save and load back identically.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "bitmap/Bmp32.h"
#include "classlib/core/Exception.h"
#include "classlib/core/Stream.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void RoundTrip(const bmp32::TCustomBitmap32& bitmap) {
  for (bool bottomUp : {false, true}) {
    classlib::TMemoryStream saved;
    bitmap.SaveToStream(saved, bottomUp);
    saved.SetPosition(0);
    bmp32::TCustomBitmap32 copy;
    copy.LoadFromStream(saved);
    Check(copy.Width() == bitmap.Width() && copy.Height() == bitmap.Height());
    const std::size_t count = static_cast<std::size_t>(bitmap.Width()) * static_cast<std::size_t>(bitmap.Height());
    if (count) Check(std::memcmp(copy.Bits(), bitmap.Bits(), count * 4) == 0);
  }
}

void Load(const std::uint8_t* data, std::size_t size, bool asData) {
  classlib::TMemoryStream stream;
  stream.WriteBuffer(data, static_cast<std::int64_t>(size));
  stream.SetPosition(0);
  bmp32::TCustomBitmap32 bitmap;
  try {
    if (asData)
      bitmap.ReadData(stream);
    else
      bitmap.LoadFromStream(stream);
  } catch (const classlib::Exception&) {
    Check(bitmap.Empty());  // a refused stream leaves the bitmap as it was
    return;
  }
  if (bitmap.Width() > 0 && bitmap.Height() > 0) RoundTrip(bitmap);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Load(data, size, false);
  Load(data, size, true);
  return 0;
}
