#include <cstdlib>
#include <string>

#include <jerror.h>

#include "classlib/graphics/JpegCodec.h"
#include "classlib/graphics/JpegErrorTrap.h"

namespace classlib {

using jpeg_detail::JpegErrorTrap;

namespace {

constexpr const wchar_t* kWriteContext = L"Cannot write the JPEG image";
constexpr JDIMENSION kRowBatch = 16;
constexpr std::size_t kFirstBufferBytes = 64 * 1024;

// A destination that grows a malloc'd buffer. It lives outside the guarded
// call, so the buffer is freed whichever way the call ends; running out of
// memory is reported to libjpeg, never thrown through it.
struct GrowingDestination {
  jpeg_destination_mgr manager;  // first: libjpeg hands back a pointer to it
  unsigned char* buffer;
  std::size_t capacity;
  std::size_t size;
};

GrowingDestination& DestinationOf(j_compress_ptr info) {
  return *reinterpret_cast<GrowingDestination*>(info->dest);
}

void InitDestination(j_compress_ptr info) {
  GrowingDestination& dest = DestinationOf(info);
  dest.buffer = static_cast<unsigned char*>(std::malloc(kFirstBufferBytes));
  if (dest.buffer == nullptr) ERREXIT(info, JERR_OUT_OF_MEMORY);
  dest.capacity = kFirstBufferBytes;
  dest.manager.next_output_byte = dest.buffer;
  dest.manager.free_in_buffer = dest.capacity;
}

// Called when the whole buffer is full.
boolean EmptyOutputBuffer(j_compress_ptr info) {
  GrowingDestination& dest = DestinationOf(info);
  const std::size_t grown = dest.capacity * 2;
  auto* buffer = static_cast<unsigned char*>(std::realloc(dest.buffer, grown));
  if (buffer == nullptr) ERREXIT(info, JERR_OUT_OF_MEMORY);
  dest.buffer = buffer;
  dest.manager.next_output_byte = buffer + dest.capacity;
  dest.manager.free_in_buffer = grown - dest.capacity;
  dest.capacity = grown;
  return TRUE;
}

void TermDestination(j_compress_ptr info) {
  GrowingDestination& dest = DestinationOf(info);
  dest.size = dest.capacity - dest.manager.free_in_buffer;
}

struct Compressor {
  JpegErrorTrap trap{};
  jpeg_compress_struct info{};
  GrowingDestination dest{};

  Compressor() {
    info.err = jpeg_detail::InstallErrorTrap(trap);
    dest.manager.init_destination = InitDestination;
    dest.manager.empty_output_buffer = EmptyOutputBuffer;
    dest.manager.term_destination = TermDestination;
  }
  ~Compressor() {
    jpeg_destroy_compress(&info);
    std::free(dest.buffer);
  }
  Compressor(const Compressor&) = delete;
  Compressor& operator=(const Compressor&) = delete;
};

// Guarded call: only libjpeg runs between setjmp and a possible longjmp.
bool CompressGuarded(jpeg_compress_struct* info, JpegErrorTrap* trap,
                     GrowingDestination* dest, const JpegPixels* pixels, int quality,
                     bool progressive) {
  if (setjmp(trap->jump) != 0) return false;
  jpeg_create_compress(info);
  info->dest = &dest->manager;
  info->image_width = static_cast<JDIMENSION>(pixels->width);
  info->image_height = static_cast<JDIMENSION>(pixels->height);
  info->input_components = JpegBytesPerPixel(pixels->format);
  info->in_color_space =
      pixels->format == JpegPixelFormat::Bgra32 ? JCS_EXT_BGRA : JCS_EXT_BGR;
  jpeg_set_defaults(info);
  jpeg_set_quality(info, quality, TRUE);
  if (progressive) jpeg_simple_progression(info);
  jpeg_start_compress(info, TRUE);
  // libjpeg only reads the rows, but its row type is not const.
  auto* base = const_cast<unsigned char*>(pixels->bytes.data());
  while (info->next_scanline < info->image_height) {
    JSAMPROW rows[kRowBatch];
    const JDIMENSION first = info->next_scanline;
    JDIMENSION count = info->image_height - first;
    if (count > kRowBatch) count = kRowBatch;
    for (JDIMENSION i = 0; i < count; ++i) rows[i] = base + (first + i) * pixels->stride;
    jpeg_write_scanlines(info, rows, count);
  }
  jpeg_finish_compress(info);
  return true;
}

void CheckPixels(const JpegPixels& pixels, int quality) {
  const std::wstring context = kWriteContext;
  if (quality < 0 || quality > 100) {
    throw EInvalidGraphic(context + L": quality " + std::to_wstring(quality) +
                          L" is outside 0..100");
  }
  if (pixels.width <= 0 || pixels.height <= 0) {
    throw EInvalidGraphic(context + L": the picture is empty");
  }
  const std::uint64_t rowBytes =
      std::uint64_t(pixels.width) * JpegBytesPerPixel(pixels.format);
  if (pixels.stride < rowBytes) {
    throw EInvalidGraphic(context + L": the row stride is shorter than a row");
  }
  const std::uint64_t needed = std::uint64_t(pixels.height - 1) * pixels.stride + rowBytes;
  if (pixels.bytes.size() < needed) {
    throw EInvalidGraphic(context + L": the pixel buffer is shorter than its rows");
  }
}

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const JpegPixels& pixels, int quality, bool progressive) {
  CheckPixels(pixels, quality);
  Compressor compressor;
  if (!CompressGuarded(&compressor.info, &compressor.trap, &compressor.dest, &pixels,
                       quality, progressive)) {
    jpeg_detail::ThrowTrappedError(compressor.trap, kWriteContext);
  }
  return std::vector<std::uint8_t>(compressor.dest.buffer,
                                   compressor.dest.buffer + compressor.dest.size);
}

}  // namespace classlib
