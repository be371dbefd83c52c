#include "skin/core/SkinPngMemoryTarget.h"

#include <algorithm>
#include <cstring>

#include "skin/core/SkinData.h"
#include "skin/core/SkinImages.h"

namespace skin {

int BitsOfFormat(TPixelFormat format) {
  switch (format) {
    case TPixelFormat::pf1bit: return 1;
    case TPixelFormat::pf4bit: return 4;
    case TPixelFormat::pf8bit: return 8;
    case TPixelFormat::pf24bit: return 24;
    case TPixelFormat::pf32bit: return 32;
    default: return 0;
  }
}

void TPngMemoryTarget::Clear() {
  *this = TPngMemoryTarget();
}

void TPngMemoryTarget::SetPalette(const std::vector<TPaletteEntry>& entries) {
  const int bits = BitsOfFormat(format_);
  const size_t most = bits >= 1 && bits <= 8 ? size_t{1} << bits : 256;
  palette_.assign(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(std::min(entries.size(), most)));
}

void TPngMemoryTarget::SetSizeAndFill(uint32_t width, uint32_t height, uint32_t color) {
  const int bits = BitsOfFormat(format_);
  width_ = width;
  height_ = height;
  stride_ = static_cast<size_t>((uint64_t{width} * bits + 31) / 32 * 4);
  pixels_.assign(stride_ * height, 0);
  if (bits >= 24) {
    const uint8_t bgr[3] = {static_cast<uint8_t>(color >> 16), static_cast<uint8_t>(color >> 8),
                            static_cast<uint8_t>(color)};
    const int step = bits / 8;
    for (uint32_t y = 0; y < height; ++y) {
      uint8_t* row = ScanLine(y);
      for (uint32_t x = 0; x < width; ++x) std::memcpy(row + size_t{x} * step, bgr, 3);
    }
  }
}

uint32_t TPngMemoryTarget::Pixel(uint32_t x, uint32_t y) const {
  const uint8_t* row = Row(y);
  const int bits = BitsOfFormat(format_);
  switch (bits) {
    case 32: return row[x * 4] | (row[x * 4 + 1] << 8) | (row[x * 4 + 2] << 16) | (uint32_t{row[x * 4 + 3]} << 24);
    case 24: return 0xFF000000u | row[x * 3] | (row[x * 3 + 1] << 8) | (row[x * 3 + 2] << 16);
    case 0: return 0;
    default: {
      const uint64_t bit = uint64_t{x} * bits;
      const uint32_t index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
      if (index >= palette_.size()) return 0xFF000000u;  // beyond the palette: black
      const TPaletteEntry& e = palette_[index];
      return 0xFF000000u | e.Blue | (e.Green << 8) | (uint32_t{e.Red} << 16);
    }
  }
}

std::shared_ptr<bmp32::TCustomBitmap32> DecodeSkinPng(std::string_view bytes) {
  classlib::TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
  TColorManager colors;
  TSkinPngDecoder decoder(colors);
  TPngMemoryTarget image;
  try {
    decoder.LoadFromStream(stream, image);
  } catch (const classlib::Exception& e) {
    throw ESkinImageError(e.Message());
  }
  auto bitmap = std::make_shared<bmp32::TCustomBitmap32>();
  if (image.Width() == 0 || image.Height() == 0) return bitmap;
  bitmap->SetSize(static_cast<int32_t>(image.Width()), static_cast<int32_t>(image.Height()));
  const bool straightAlpha = image.PixelFormat() == TPixelFormat::pf32bit;
  for (uint32_t y = 0; y < image.Height(); ++y) {
    bmp32::TColor32* out = bitmap->ScanLine(static_cast<int32_t>(y));
    if (straightAlpha) {
      std::memcpy(out, image.Row(y), size_t{image.Width()} * 4);
      continue;
    }
    for (uint32_t x = 0; x < image.Width(); ++x) {
      const uint32_t c = image.Pixel(x, y);
      out[x] = (c & 0xFFFFFF) == kSkinKeyPixel ? kSkinKeyPixel : c;
    }
  }
  return bitmap;
}

}  // namespace skin
