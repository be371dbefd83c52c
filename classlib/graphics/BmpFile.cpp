// Reading and writing the platform's BMP file format for TBitmap. The file
// is untrusted: every field is checked before anything is allocated, and the
// bitmap changes only once the whole file has been read.
#include <cstring>
#include <vector>

#include "classlib/graphics/Bitmap.h"

namespace classlib {

namespace {

constexpr int kFileHeaderSize = 14;

[[noreturn]] void Invalid(const wchar_t* why) { throw EInvalidGraphic(std::wstring(L"Bitmap image is not valid: ") + why); }

void ReadExact(TStream& stream, void* buffer, int64_t count) {
  if (stream.Read(buffer, count) != count) Invalid(L"the data is truncated");
}

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

void TBitmap::LoadFromStream(TStream& stream) {
  const int64_t start = stream.Position();
  uint8_t file[kFileHeaderSize];
  ReadExact(stream, file, kFileHeaderSize);
  if (file[0] != 'B' || file[1] != 'M') Invalid(L"no BMP signature");
  const uint32_t offBits = U32(file + 10);

  uint8_t header[124] = {};
  ReadExact(stream, header, 4);
  const uint32_t headerSize = U32(header);
  if (headerSize != 12 && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
      headerSize != 124)
    Invalid(L"unknown header size");
  ReadExact(stream, header + 4, headerSize - 4);

  int64_t width, height;
  int planes, bits;
  uint32_t compression = BI_RGB, colorsUsed = 0;
  int entrySize = 4;
  uint32_t masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
  int64_t consumed = kFileHeaderSize + headerSize;
  if (headerSize == 12) {
    width = U16(header + 4);
    height = static_cast<int16_t>(U16(header + 6));
    planes = U16(header + 8);
    bits = U16(header + 10);
    entrySize = 3;
  } else {
    width = static_cast<int32_t>(U32(header + 4));
    height = static_cast<int32_t>(U32(header + 8));
    planes = U16(header + 12);
    bits = U16(header + 14);
    compression = U32(header + 16);
    colorsUsed = U32(header + 32);
    if (compression == BI_BITFIELDS) {
      if (headerSize == 40) {
        uint8_t extra[12];
        ReadExact(stream, extra, 12);
        consumed += 12;
        for (int i = 0; i < 3; ++i) masks[i] = U32(extra + 4 * i);
      } else {
        for (int i = 0; i < 3; ++i) masks[i] = U32(header + 40 + 4 * i);
      }
    }
  }
  if (planes != 1) Invalid(L"wrong plane count");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) Invalid(L"unsupported bits per pixel");
  const bool standardMasks = masks[0] == 0x00FF0000 && masks[1] == 0x0000FF00 && masks[2] == 0x000000FF;
  if (compression != BI_RGB && !(compression == BI_BITFIELDS && bits == 32 && standardMasks))
    Invalid(L"compressed or bit-field pixels are not supported");
  if (width <= 0 || height == 0) Invalid(L"empty or negative size");
  const bool topDown = height < 0;
  if (topDown) height = -height;
  CheckImageSize(width, height, bits);

  std::vector<RGBQUAD> colors;
  if (bits <= 8) {
    const uint32_t maxColors = 1u << bits;
    const uint32_t count = colorsUsed == 0 ? maxColors : colorsUsed;
    if (count > maxColors) Invalid(L"too many palette entries");
    std::vector<uint8_t> raw(static_cast<size_t>(count) * entrySize);
    ReadExact(stream, raw.data(), static_cast<int64_t>(raw.size()));
    consumed += static_cast<int64_t>(raw.size());
    for (uint32_t i = 0; i < count; ++i) {
      const uint8_t* e = raw.data() + static_cast<size_t>(i) * entrySize;
      colors.push_back(RGBQUAD{e[0], e[1], e[2], 0});
    }
  }
  // Pixels start at the file header's offset; writers that leave it 0 or
  // point into the headers mean "right after the colour table".
  if (offBits >= consumed) stream.SetPosition(start + offBits);

  const auto w = static_cast<int>(width);
  const auto h = static_cast<int>(height);
  // Refuse a short file before allocating its pixels.
  const int64_t pixelBytes = ((width * bits + 31) / 32) * 4 * height;
  if (stream.Size() - stream.Position() < pixelBytes) Invalid(L"the data is truncated");
  const TPixelFormat format = bits == 1 ? pf1bit : bits == 4 ? pf4bit : bits == 8 ? pf8bit : bits == 24 ? pf24bit : pf32bit;
  TImage image = MakeImage(format, w, h, &colors);
  try {
    const size_t stride = static_cast<size_t>(image.stride);
    if (!topDown) {
      ReadExact(stream, image.bits, static_cast<int64_t>(stride * h));
    } else {
      for (int y = 0; y < h; ++y) ReadExact(stream, image.bits + stride * (h - 1 - y), static_cast<int64_t>(stride));
    }
  } catch (...) {
    DeleteObject(image.handle);
    throw;
  }
  Replace(image, format, w, h);
  colors_ = colors;
  Changed();
}

void TBitmap::SaveToStream(TStream& stream) {
  if (Empty()) return;
  if (format_ == pfDevice) {
    TBitmap copy;
    copy.Assign(this);
    copy.SetPixelFormat(DeviceFormat());
    copy.SaveToStream(stream);
    return;
  }
  const int bits = BitsPerPixelOf(format_);
  const std::vector<RGBQUAD> colors = ColorTable();
  const uint32_t paletteBytes = static_cast<uint32_t>(colors.size() * 4);
  const uint32_t imageBytes = static_cast<uint32_t>(stride_) * static_cast<uint32_t>(height_);
  const uint32_t offBits = kFileHeaderSize + 40 + paletteBytes;

  std::vector<uint8_t> head;
  head.reserve(offBits);
  head.push_back('B');
  head.push_back('M');
  Put32(head, offBits + imageBytes);
  Put32(head, 0);
  Put32(head, offBits);
  Put32(head, 40);
  Put32(head, static_cast<uint32_t>(width_));
  Put32(head, static_cast<uint32_t>(height_));
  Put16(head, 1);
  Put16(head, static_cast<uint32_t>(bits));
  Put32(head, BI_RGB);
  Put32(head, imageBytes);
  Put32(head, 0);
  Put32(head, 0);
  Put32(head, static_cast<uint32_t>(colors.size()));
  Put32(head, 0);
  for (const RGBQUAD& c : colors) {
    head.push_back(c.rgbBlue);
    head.push_back(c.rgbGreen);
    head.push_back(c.rgbRed);
    head.push_back(0);
  }
  stream.WriteBuffer(head.data(), static_cast<int64_t>(head.size()));
  GdiFlush();
  stream.WriteBuffer(bits_, imageBytes);  // bottom-up rows, as the file stores them
}

}  // namespace classlib
