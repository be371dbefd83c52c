#include "tools/glyphgen/PngFile.h"

#include <algorithm>
#include <cmath>

#include "bitmap/Bmp32.h"
#include "classlib/core/Stream.h"
#include "png/PngChunkIO.h"
#include "png/PngFormat.h"
#include "png/PngGamma.h"
#include "png/PngIdatWriter.h"
#include "png/PngImageView.h"

namespace glyphgen {

namespace {

std::uint8_t Byte(float v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

}  // namespace

std::vector<std::uint8_t> EncodePng(const skingen::TLayer& layer) {
  png::TPngHeaderValues header;
  header.Width = static_cast<std::uint32_t>(layer.Width());
  header.Height = static_cast<std::uint32_t>(layer.Height());
  header.BitDepth = 8;
  header.ColorType = png::COLOR_RGBALPHA;
  png::TPngImageBuffer image(header);
  const png::TPngImageView& view = image.View();
  for (std::uint32_t y = 0; y < view.Height; ++y) {
    std::uint8_t* bgr = view.Row(y);
    std::uint8_t* alpha = view.AlphaRow(y);
    for (std::uint32_t x = 0; x < view.Width; ++x) {
      const skingen::TRgba c = layer.At(static_cast<int>(x), static_cast<int>(y));
      alpha[x] = Byte(c.a);
      // Fully transparent pixels carry no colour, which also packs better.
      if (alpha[x] == 0) continue;
      bgr[3 * x] = Byte(c.b);
      bgr[3 * x + 1] = Byte(c.g);
      bgr[3 * x + 2] = Byte(c.r);
    }
  }
  classlib::TMemoryStream out;
  out.WriteBuffer(png::kSignature.data(), png::kSignature.size());
  std::uint8_t ihdr[13];
  png::WriteHeader(header, ihdr);
  png::WriteChunk(out, "IHDR", ihdr, sizeof ihdr);
  const png::TGammaTable identity = png::IdentityGamma();
  png::TIdatWriteSettings settings;
  settings.Filters = png::pfNone | png::pfSub | png::pfUp | png::pfAverage | png::pfPaeth;
  settings.CompressionLevel = 9;
  png::WriteIdat(out, view, settings, identity.data());
  png::WriteChunk(out, "IEND", nullptr, 0);
  return out.Bytes();
}

std::vector<std::uint8_t> EncodeBmp(const skingen::TLayer& layer, unsigned hidden) {
  bmp32::TCustomBitmap32 bitmap;
  bitmap.SetSize(layer.Width(), layer.Height());
  for (int y = 0; y < layer.Height(); ++y)
    for (int x = 0; x < layer.Width(); ++x) {
      const skingen::TRgba c = layer.At(x, y);
      const std::uint32_t alpha = Byte(c.a);
      bitmap.SetPixel(x, y,
                      alpha == 0 ? (hidden & 0xFFFFFFu)
                                 : alpha << 24 | std::uint32_t{Byte(c.r)} << 16 | std::uint32_t{Byte(c.g)} << 8 | Byte(c.b));
    }
  classlib::TMemoryStream out;
  bitmap.SaveToStream(out, true);
  return out.Bytes();
}

}  // namespace glyphgen
