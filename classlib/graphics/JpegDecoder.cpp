#include <climits>
#include <string>

#include "classlib/graphics/JpegCodec.h"
#include "classlib/graphics/JpegErrorTrap.h"

namespace classlib {

using jpeg_detail::JpegErrorTrap;

namespace {

constexpr const wchar_t* kReadContext = L"Cannot read the JPEG image";

// Rows handed to libjpeg per call; it returns at most its MCU row height.
constexpr JDIMENSION kRowBatch = 16;

// Owns the decompressor; destroying a zeroed or failed one is safe.
struct Decompressor {
  JpegErrorTrap trap{};
  jpeg_decompress_struct info{};

  Decompressor() { info.err = jpeg_detail::InstallErrorTrap(trap); }
  ~Decompressor() { jpeg_destroy_decompress(&info); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;
};

// Guarded calls: only libjpeg runs between setjmp and a possible longjmp.

bool ReadHeaderGuarded(jpeg_decompress_struct* info, JpegErrorTrap* trap,
                       const unsigned char* data, unsigned long size) {
  if (setjmp(trap->jump) != 0) return false;
  jpeg_create_decompress(info);
  jpeg_mem_src(info, data, size);
  jpeg_read_header(info, TRUE);
  return true;
}

bool DecompressGuarded(jpeg_decompress_struct* info, JpegErrorTrap* trap,
                       unsigned char* pixels, std::size_t stride) {
  if (setjmp(trap->jump) != 0) return false;
  jpeg_start_decompress(info);
  while (info->output_scanline < info->output_height) {
    JSAMPROW rows[kRowBatch];
    const JDIMENSION first = info->output_scanline;
    JDIMENSION count = info->output_height - first;
    if (count > kRowBatch) count = kRowBatch;
    for (JDIMENSION i = 0; i < count; ++i) rows[i] = pixels + (first + i) * stride;
    jpeg_read_scanlines(info, rows, count);
  }
  // Reads up to the end marker, so a file cut after its last row still fails.
  jpeg_finish_decompress(info);
  return true;
}

void RefuseUnsupportedColours(J_COLOR_SPACE space) {
  switch (space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
      return;
    case JCS_CMYK:
    case JCS_YCCK:
      throw EInvalidGraphic(std::wstring(kReadContext) +
                            L": CMYK JPEG images are not supported");
    default:
      throw EInvalidGraphic(std::wstring(kReadContext) +
                            L": the image's colour space is not supported");
  }
}

}  // namespace

JpegImageData DecodeJpeg(std::span<const std::uint8_t> bytes, JpegPixelFormat format) {
  // libjpeg counts input bytes in an unsigned long, 32 bits on Windows.
  if (bytes.size() > ULONG_MAX) {
    throw EInvalidGraphic(std::wstring(kReadContext) + L": the file is too large");
  }
  Decompressor decompressor;
  jpeg_decompress_struct& info = decompressor.info;
  if (!ReadHeaderGuarded(&info, &decompressor.trap, bytes.data(),
                         static_cast<unsigned long>(bytes.size()))) {
    jpeg_detail::ThrowTrappedError(decompressor.trap, kReadContext);
  }
  RefuseUnsupportedColours(info.jpeg_color_space);

  // Checked in 64 bits before libjpeg sizes its own buffers (at most twice
  // this for a progressive file) and before ours is allocated.
  const int bytesPerPixel = JpegBytesPerPixel(format);
  const std::uint64_t stride =
      (std::uint64_t{info.image_width} * bytesPerPixel + 3) & ~std::uint64_t{3};
  const std::uint64_t bufferBytes = stride * info.image_height;
  if (bufferBytes > kMaxJpegPixelBytes) {
    throw EInvalidGraphic(std::wstring(kReadContext) + L": " +
                          std::to_wstring(info.image_width) + L" x " +
                          std::to_wstring(info.image_height) +
                          L" pixels need more than the 256 MiB allowed for a picture");
  }

  JpegImageData image;
  image.width = static_cast<int>(info.image_width);
  image.height = static_cast<int>(info.image_height);
  image.components = info.num_components;
  image.format = format;
  image.stride = static_cast<std::size_t>(stride);
  image.pixels.resize(static_cast<std::size_t>(bufferBytes));

  info.out_color_space = format == JpegPixelFormat::Bgra32 ? JCS_EXT_BGRA : JCS_EXT_BGR;
  if (!DecompressGuarded(&info, &decompressor.trap, image.pixels.data(), image.stride)) {
    jpeg_detail::ThrowTrappedError(decompressor.trap, kReadContext);
  }
  return image;
}

}  // namespace classlib
