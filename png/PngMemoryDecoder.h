#pragma once
// Decodes a whole file into memory buffers with the reader's rules, without
// any platform bitmap: for tools, tests and the fuzz target. The Windows
// graphic class reads through its chunk objects instead, with the same
// pieces (chunk walk, header checks, IDAT reader, text parsing).
#include <memory>
#include <optional>
#include <vector>

#include "classlib/core/Stream.h"
#include "png/PngGamma.h"
#include "png/PngImageView.h"
#include "png/PngText.h"

namespace png {

struct TPngMemoryImage {
  TPngHeaderValues Header;
  std::unique_ptr<TPngImageBuffer> Pixels;
  std::vector<uint8_t> Palette;       // PLTE bytes (R, G, B per entry)
  std::vector<uint8_t> Transparency;  // tRNS bytes
  TGammaTable Gamma = IdentityGamma();
  std::vector<TTextValues> Texts;     // tEXt and zTXt, in file order
};

// Raises the codec's exceptions exactly where TPNGObject::LoadFromStream does.
TPngMemoryImage DecodePng(classlib::TStream& stream);

// Types that have a chunk class (the others are kept as raw bytes).
bool IsRegisteredChunkType(const char type[4]);

}  // namespace png
