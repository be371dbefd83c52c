#include "skin/core/SkinImages.h"

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "classlib/graphics/JpegCodec.h"
#include "skin/core/SkinData.h"
#include "skin/core/SkinPngMemoryTarget.h"

namespace skin {

namespace {

using bmp32::TColor32;

// Skin bitmaps are small; this bounds what a crafted header can allocate.
constexpr std::int64_t kMaxSkinPixels = std::int64_t{64} << 20;

[[noreturn]] void Invalid(const wchar_t* why) { throw ESkinImageError(std::wstring(L"Skin bitmap is not valid: ") + why); }

std::uint32_t U16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

TColor32 Opaque(std::uint8_t b, std::uint8_t g, std::uint8_t r) {
  const TColor32 rgb = (static_cast<TColor32>(r) << 16) | (g << 8) | b;
  return rgb == kSkinKeyPixel ? kSkinKeyPixel : rgb | 0xFF000000u;
}

bool IsPng(std::string_view bytes) { return bytes.size() >= 4 && bytes.substr(0, 4) == "\x89PNG"; }

}  // namespace

std::shared_ptr<bmp32::TCustomBitmap32> DecodeSkinBitmap(std::string_view bytes) {
  if (IsPng(bytes)) return DecodeSkinPng(bytes);
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  if (bytes.size() < 26 || data[0] != 'B' || data[1] != 'M') Invalid(L"no BMP signature");
  const std::uint32_t offBits = U32(data + 10);
  const std::uint32_t headerSize = U32(data + 14);
  if (headerSize != 12 && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
      headerSize != 124)
    Invalid(L"unknown header size");
  if (bytes.size() < 14 + std::size_t{headerSize}) Invalid(L"the data is truncated");
  const std::uint8_t* h = data + 14;
  std::int64_t width, height;
  std::uint32_t planes, bits, compression = 0, colorsUsed = 0;
  std::size_t entrySize = 4;
  if (headerSize == 12) {
    width = U16(h + 4);
    height = static_cast<std::int16_t>(U16(h + 6));
    planes = U16(h + 8);
    bits = U16(h + 10);
    entrySize = 3;
  } else {
    width = static_cast<std::int32_t>(U32(h + 4));
    height = static_cast<std::int32_t>(U32(h + 8));
    planes = U16(h + 12);
    bits = U16(h + 14);
    compression = U32(h + 16);
    colorsUsed = U32(h + 32);
  }
  if (planes != 1) Invalid(L"wrong plane count");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) Invalid(L"unsupported bits per pixel");
  // Uncompressed, or 32-bit fields in the usual order (not checked further).
  if (compression != 0 && !(compression == 3 && bits == 32)) Invalid(L"compressed pixels are not supported");
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width < 0) Invalid(L"negative width");
  // An empty image is no error here: the loader drops it.
  if (width == 0 || height == 0) return std::make_shared<bmp32::TCustomBitmap32>();
  if (width * height > kMaxSkinPixels) Invalid(L"the image is too large");

  std::vector<TColor32> palette;
  if (bits <= 8) {
    const std::uint32_t maxColors = 1u << bits;
    const std::uint32_t count = colorsUsed == 0 ? maxColors : colorsUsed;
    if (count > maxColors) Invalid(L"too many palette entries");
    const std::size_t start = 14 + headerSize;
    if (bytes.size() < start + count * entrySize) Invalid(L"the data is truncated");
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint8_t* e = data + start + i * entrySize;
      palette.push_back(Opaque(e[0], e[1], e[2]));
    }
  }
  const std::size_t stride = static_cast<std::size_t>((width * bits + 31) / 32) * 4;
  const std::size_t pixelStart = offBits != 0 ? offBits : 14 + headerSize + palette.size() * entrySize;
  if (pixelStart > bytes.size() || bytes.size() - pixelStart < stride * static_cast<std::size_t>(height))
    Invalid(L"the data is truncated");

  auto bitmap = std::make_shared<bmp32::TCustomBitmap32>();
  bitmap->SetSize(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
  for (std::int64_t y = 0; y < height; ++y) {
    const std::uint8_t* row = data + pixelStart + stride * static_cast<std::size_t>(topDown ? y : height - 1 - y);
    TColor32* out = bitmap->ScanLine(static_cast<std::int32_t>(y));
    for (std::int64_t x = 0; x < width; ++x) {
      switch (bits) {
        case 32: out[x] = U32(row + x * 4); break;
        case 24: out[x] = Opaque(row[x * 3], row[x * 3 + 1], row[x * 3 + 2]); break;
        default: {
          const std::int64_t bit = x * bits;
          const std::uint32_t index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
          out[x] = index < palette.size() ? palette[index] : 0xFF000000u;
        }
      }
    }
  }
  return bitmap;
}

std::shared_ptr<bmp32::TCustomBitmap32> DecodeSkinJpeg(std::string_view bytes) {
  classlib::JpegImageData image;
  try {
    image = classlib::DecodeJpeg(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                                 classlib::JpegPixelFormat::Bgra32);
  } catch (const classlib::Exception& e) {
    throw ESkinImageError(e.Message());
  }
  auto bitmap = std::make_shared<bmp32::TCustomBitmap32>();
  bitmap->SetSize(image.width, image.height);
  for (int y = 0; y < image.height; ++y)
    std::memcpy(bitmap->ScanLine(y), image.pixels.data() + image.stride * static_cast<std::size_t>(y),
                static_cast<std::size_t>(image.width) * 4);
  return bitmap;
}

}  // namespace skin
