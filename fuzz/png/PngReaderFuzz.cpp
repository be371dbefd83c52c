// Feeds arbitrary bytes to the PNG reader (chunk walk, header checks, IDAT
// inflating, unfiltering, Adam7, row conversion, text chunks). The codec's
// own exceptions are expected; anything else is a finding.
#include <cstddef>
#include <cstdint>

#include "classlib/core/Exception.h"
#include "classlib/core/Stream.h"
#include "png/PngMemoryDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  classlib::TMemoryStream stream;
  stream.WriteBuffer(data, static_cast<int64_t>(size));
  stream.SetPosition(0);
  try {
    png::DecodePng(stream);
  } catch (const classlib::Exception&) {
  }
  return 0;
}
