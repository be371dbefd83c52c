#pragma once
// An in-memory bitmap for the skinning library's PNG reader, laid out as a
// device-independent bitmap's pixels (rows padded to 32 bits, stored top
// down), and its expansion to a 32-bit skin bitmap.
#include <memory>
#include <string_view>

#include "bitmap/Bmp32.h"
#include "skin/core/SkinPngDecoder.h"

namespace skin {

class TPngMemoryTarget : public TPngTarget {
 public:
  void Clear() override;
  void SetPixelFormat(TPixelFormat format) override { format_ = format; }
  void SetPalette(const std::vector<TPaletteEntry>& entries) override;
  void SetSizeAndFill(uint32_t width, uint32_t height, uint32_t color) override;
  void SetTransparentKey(uint32_t color) override { transparentKey_ = color; }
  uint8_t* ScanLine(uint32_t y) override { return pixels_.data() + size_t{y} * stride_; }

  TPixelFormat PixelFormat() const { return format_; }
  uint32_t Width() const { return width_; }
  uint32_t Height() const { return height_; }
  size_t Stride() const { return stride_; }
  const uint8_t* Row(uint32_t y) const { return pixels_.data() + size_t{y} * stride_; }
  const std::vector<TPaletteEntry>& Palette() const { return palette_; }
  uint32_t TransparentKey() const { return transparentKey_; }
  // The pixel at (x, y) as 0xAARRGGBB: palette colours and 24-bit pixels opaque.
  uint32_t Pixel(uint32_t x, uint32_t y) const;

 private:
  TPixelFormat format_ = TPixelFormat::pfDevice;
  uint32_t width_ = 0, height_ = 0;
  size_t stride_ = 0;
  std::vector<uint8_t> pixels_;
  std::vector<TPaletteEntry> palette_;
  uint32_t transparentKey_ = TSkinPngDecoder::kNoColor;
};

// Bits per pixel of the formats the reader produces (0 for the others).
int BitsOfFormat(TPixelFormat format);

// A PNG file of a skin as a 32-bit bitmap: RGBA files keep their straight
// alpha; other pixels get alpha 255, except those of the skin's key colour,
// which get alpha 0 so that they still match it (as in BMP skin images).
// Raises ESkinImageError with the reader's message.
std::shared_ptr<bmp32::TCustomBitmap32> DecodeSkinPng(std::string_view bytes);

}  // namespace skin
