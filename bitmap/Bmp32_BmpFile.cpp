// BMP streams, files and the streamed "Data" property of TCustomBitmap32.
#include "bitmap/Bmp32_BmpFile.h"

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <typeinfo>
#include <vector>

#include "bitmap/Bmp32.h"
#include "bitmap/Bmp32_Error.h"
#include "bitmap/Bmp32_Platform.h"
#include "classlib/core/FileStream.h"
#include "classlib/core/Filer.h"

namespace bmp32 {

namespace {

std::uint16_t Get16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t Get32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
void Put16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Pixels travel as B, G, R, A bytes whatever the host's byte order.
void ReadPixels(classlib::TStream& stream, TColor32* dst, std::size_t count) {
  stream.ReadBuffer(dst, static_cast<std::int64_t>(count * 4));
  if constexpr (std::endian::native == std::endian::big)
    for (std::size_t i = 0; i < count; ++i) dst[i] = Get32(reinterpret_cast<const std::uint8_t*>(dst + i));
}
void WritePixels(classlib::TStream& stream, const TColor32* src, std::size_t count) {
  if constexpr (std::endian::native == std::endian::big) {
    std::vector<std::uint8_t> bytes(count * 4);
    for (std::size_t i = 0; i < count; ++i) Put32(bytes.data() + i * 4, src[i]);
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  } else {
    stream.WriteBuffer(src, static_cast<std::int64_t>(count * 4));
  }
}

}  // namespace

TBmpHeader DecodeBmpHeader(const std::array<std::uint8_t, kBmpHeaderSize>& b) {
  TBmpHeader h;
  h.Signature = b[0] == 'B' && b[1] == 'M';
  h.FileSize = Get32(&b[2]);
  h.PixelOffset = Get32(&b[10]);
  h.InfoSize = Get32(&b[14]);
  h.Width = static_cast<std::int32_t>(Get32(&b[18]));
  h.Height = static_cast<std::int32_t>(Get32(&b[22]));
  h.Planes = Get16(&b[26]);
  h.BitCount = Get16(&b[28]);
  h.Compression = Get32(&b[30]);
  return h;
}

std::array<std::uint8_t, kBmpHeaderSize> EncodeBmpHeader(std::int32_t width, std::int32_t height,
                                                          bool bottomUp) {
  std::array<std::uint8_t, kBmpHeaderSize> b{};
  const std::uint32_t imageSize =
      static_cast<std::uint32_t>(static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) * 4);
  b[0] = 'B';
  b[1] = 'M';
  Put32(&b[2], imageSize + kBmpHeaderSize);
  Put32(&b[10], kBmpHeaderSize);
  Put32(&b[14], 40);
  Put32(&b[18], static_cast<std::uint32_t>(width));
  Put32(&b[22], static_cast<std::uint32_t>(bottomUp ? height : -height));
  Put16(&b[26], 1);
  Put16(&b[28], 32);
  Put32(&b[34], imageSize);
  return b;
}

std::uint64_t CheckPixelBlock(classlib::TStream& stream, std::int64_t width, std::int64_t height) {
  const std::uint64_t bytes = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) * 4;
  if (width > INT32_MAX || height > INT32_MAX || bytes > kMaxStreamedPixelBytes)
    throw EBmp32Error(L"Bitmap too large (" + std::to_wstring(width) + L" x " + std::to_wstring(height) + L")");
  if (static_cast<std::int64_t>(bytes) > stream.Size() - stream.Position())
    throw classlib::EReadError(L"Stream read error");
  return bytes;
}

// --- TCustomBitmap32 streams

void TCustomBitmap32::LoadFromStream(classlib::TStream& stream) {
  std::array<std::uint8_t, kBmpHeaderSize> bytes;
  const std::int64_t start = stream.Position();
  stream.ReadBuffer(bytes.data(), kBmpHeaderSize);
  const TBmpHeader header = DecodeBmpHeader(bytes);
  if (!header.IsPlain32()) {
    stream.Seek(-kBmpHeaderSize, classlib::TSeekOrigin::soCurrent);
    if (!PlatformServices().LoadBitmapStream) throw EBmp32Error(L"Unsupported bitmap format");
    PlatformServices().LoadBitmapStream(*this, stream);
    Changed();
    return;
  }
  // Headers larger than the 40-byte one put the pixels further on.
  if (header.PixelOffset > kBmpHeaderSize) {
    if (static_cast<std::int64_t>(header.PixelOffset) > stream.Size() - start) throw classlib::EReadError(L"Stream read error");
    stream.SetPosition(start + header.PixelOffset);
  }
  const std::int64_t width = header.Width < 0 ? 0 : header.Width;
  const std::int64_t height = std::llabs(static_cast<std::int64_t>(header.Height));
  CheckPixelBlock(stream, width, height);

  // Read whole before resizing, so a failing stream leaves the bitmap as it was.
  const std::size_t w = static_cast<std::size_t>(width), h = static_cast<std::size_t>(height);
  std::vector<TColor32> pixels(w * h);
  if (!pixels.empty()) {
    if (header.Height <= 0) {
      ReadPixels(stream, pixels.data(), pixels.size());
    } else {
      for (std::size_t row = h; row-- > 0;) ReadPixels(stream, pixels.data() + row * w, w);
    }
  }
  SetSize(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
  if (bits_ && !pixels.empty()) std::memcpy(bits_, pixels.data(), pixels.size() * 4);
  Changed();
}

void TCustomBitmap32::SaveToStream(classlib::TStream& stream, bool bottomUp) const {
  const auto header = EncodeBmpHeader(Width(), Height(), bottomUp);
  stream.WriteBuffer(header.data(), kBmpHeaderSize);
  if (!bits_) return;
  const std::size_t w = static_cast<std::size_t>(Width()), h = static_cast<std::size_t>(Height());
  if (bottomUp) {
    for (std::size_t row = h; row-- > 0;) WritePixels(stream, bits_ + row * w, w);
  } else {
    WritePixels(stream, bits_, w * h);
  }
}

void TCustomBitmap32::LoadFromFile(const std::wstring& fileName) {
  bool isBmp = false;
  {
    classlib::TFileStream file(fileName, classlib::fmOpenRead);
    std::array<std::uint8_t, kBmpHeaderSize> bytes;
    file.ReadBuffer(bytes.data(), kBmpHeaderSize);
    isBmp = bytes[0] == 'B' && bytes[1] == 'M';
    if (isBmp) {
      file.Seek(-kBmpHeaderSize, classlib::TSeekOrigin::soCurrent);
      LoadFromStream(file);
      return;
    }
  }
  if (!PlatformServices().LoadPictureFile) throw EBmp32Error(L"Unsupported picture file: " + fileName);
  PlatformServices().LoadPictureFile(*this, fileName);
}

void TCustomBitmap32::SaveToFile(const std::wstring& fileName, bool bottomUp) const {
  classlib::TFileStream file(fileName, classlib::fmCreate);
  SaveToStream(file, bottomUp);
}

// --- The "Data" property

void TCustomBitmap32::DefineProperties(classlib::TFiler& filer) {
  TCustomMap::DefineProperties(filer);
  filer.DefineBinaryProperty(
      L"Data", [this](classlib::TStream& s) { ReadData(s); }, [this](classlib::TStream& s) { WriteData(s); },
      ShouldStoreData(nullptr));
}

bool TCustomBitmap32::ShouldStoreData(const classlib::TPersistent* ancestor) const {
  if (!ancestor) return !Empty();
  const auto* other = dynamic_cast<const TCustomBitmap32*>(ancestor);
  if (!other) return true;
  if (Empty() || other->Empty()) return !(Empty() && other->Empty());
  if (typeid(*other) != typeid(*this)) return true;
  classlib::TMemoryStream mine, theirs;
  SaveToStream(mine, false);
  other->SaveToStream(theirs, false);
  return mine.Bytes() != theirs.Bytes();
}

void TCustomBitmap32::ReadData(classlib::TStream& stream) {
  std::uint8_t size[8];
  stream.ReadBuffer(size, 8);
  const std::int32_t width = static_cast<std::int32_t>(Get32(size));
  const std::int32_t height = static_cast<std::int32_t>(Get32(size + 4));
  const std::int64_t w = width < 0 ? 0 : width, h = height < 0 ? 0 : height;
  CheckPixelBlock(stream, w, h);
  std::vector<TColor32> pixels(static_cast<std::size_t>(w * h));
  if (!pixels.empty()) ReadPixels(stream, pixels.data(), pixels.size());
  SetSize(width, height);
  if (bits_ && !pixels.empty()) std::memcpy(bits_, pixels.data(), pixels.size() * 4);
  Changed();
}

void TCustomBitmap32::WriteData(classlib::TStream& stream) const {
  std::uint8_t size[8];
  Put32(size, static_cast<std::uint32_t>(Width()));
  Put32(size + 4, static_cast<std::uint32_t>(Height()));
  stream.WriteBuffer(size, 8);
  if (bits_) WritePixels(stream, bits_, static_cast<std::size_t>(Width()) * static_cast<std::size_t>(Height()));
}

}  // namespace bmp32
