// Feeds arbitrary bytes to the skinning library's PNG reader (skin images
// are untrusted): chunk walk, case-insensitive types, CRCs, inflating,
// unfiltering, Adam7 pass masks, row conversion and palettes. The reader's
// own exceptions are expected; anything else is a finding. One colour
// manager serves every input, as a reused graphic's would.
#include <cstddef>
#include <cstdint>

#include "classlib/core/Exception.h"
#include "classlib/core/Stream.h"
#include "skin/core/SkinPngMemoryTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static skin::TColorManager colors;
  classlib::TMemoryStream stream;
  stream.WriteBuffer(data, static_cast<int64_t>(size));
  stream.SetPosition(0);
  skin::TSkinPngDecoder decoder(colors);
  decoder.MaxPixels = 1u << 22;  // keeps each run fast; the cap's own check is the same code
  skin::TPngMemoryTarget image;
  try {
    decoder.LoadFromStream(stream, image);
  } catch (const classlib::Exception&) {
  }
  // Read back every pixel so that a short or misplaced row shows up.
  uint32_t sum = 0;
  for (uint32_t y = 0; y < image.Height(); ++y)
    for (uint32_t x = 0; x < image.Width(); ++x) sum += image.Pixel(x, y);
  return sum == 0x12345678u ? 0 : 0;
}
