#pragma once
// Helpers of the graphic class tests: streams from bytes, bitmaps.
#include <windows.h>

#include <vector>

#include "classlib/core/Stream.h"
#include "classlib/graphics/Bitmap.h"
#include "png/PngMemoryDecoder.h"
#include "png/PngObject.h"
#include "tests/png/core/PngTestFiles.h"

namespace pngwin {

using pngtest::Bytes;

inline void Load(png::TPNGObject& image, const Bytes& file) {
  classlib::TMemoryStream stream;
  stream.WriteBuffer(file.data(), static_cast<int64_t>(file.size()));
  stream.SetPosition(0);
  image.LoadFromStream(stream);
}

inline Bytes Save(png::TPNGObject& image) {
  classlib::TMemoryStream stream;
  image.SaveToStream(stream);
  return stream.Bytes();
}

inline png::TPngMemoryImage DecodeBytes(const Bytes& file) {
  classlib::TMemoryStream stream;
  stream.WriteBuffer(file.data(), static_cast<int64_t>(file.size()));
  stream.SetPosition(0);
  return png::DecodePng(stream);
}

inline std::vector<std::string> ChunkTypes(const Bytes& file) {
  std::vector<std::string> types;
  for (const auto& c : pngtest::ListChunks(file)) types.push_back(c.type);
  return types;
}

inline classlib::TColor Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

}  // namespace pngwin
