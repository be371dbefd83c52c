// The skinning library's PNG reader against libpng set up for the same
// output, side by side in one run: rows top-down into a bitmap buffer with
// DIB row padding, colour as blue-green-red(-alpha) (png_set_bgr), 16-bit
// samples narrowed to 8 (png_set_strip_16), palette images as indexes,
// Adam7 passes combined by libpng. Each decode allocates its own bitmap on
// both sides. Before timing, the two outputs are compared (8-bit cases
// byte for byte). The heap_peak counter is our decoder's peak heap over the
// bitmap it produces: two rows, the largest chunk and the inflate state.
#include <benchmark/benchmark.h>
#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstring>
#include <memory>

#include "bench/png/PngBenchImages.h"
#include "bench/support/CountingAllocator.h"
#include "classlib/core/Stream.h"
#include "png/PngBytes.h"
#include "png/PngCrc.h"
#include "skin/core/SkinPngMemoryTarget.h"

namespace {

using pngbench::TRawImage;

struct TCase {
  std::vector<uint8_t> File;
  uint32_t Width = 0, Height = 0;
  int OutBits = 32;  // bits per pixel of the bitmap both sides produce
};

// Large flat panels of four colours, opaque.
TRawImage MakeFlat(uint32_t size) {
  TRawImage raw{size, size, 4, 8, {}};
  raw.Pixels.resize(raw.RowBytes() * size);
  static const uint8_t colours[4][4] = {{240, 240, 240, 255}, {30, 60, 90, 255}, {200, 40, 40, 255}, {0, 0, 0, 255}};
  for (uint32_t y = 0; y < size; ++y)
    for (uint32_t x = 0; x < size; ++x)
      std::memcpy(&raw.Pixels[(size_t{y} * size + x) * 4], colours[((x / 97) + (y / 61)) % 4], 4);
  return raw;
}

TCase Encoded(const TRawImage& raw, bool interlaced) {
  pngbench::TLibpngWriteSettings settings;
  settings.Interlaced = interlaced;
  return {pngbench::LibpngEncode(raw, settings), raw.Width, raw.Height, raw.BitDepth == 16 ? 24 : raw.Channels * 8};
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  uint8_t head[8];
  png::WriteBE32(head, static_cast<uint32_t>(data.size()));
  std::memcpy(head + 4, type, 4);
  out.insert(out.end(), head, head + 8);
  out.insert(out.end(), data.begin(), data.end());
  uint8_t crc[4];
  png::WriteBE32(crc, png::ChunkCrc(type, data.data(), data.size()));
  out.insert(out.end(), crc, crc + 4);
}

// An 8-bit palette image of smooth index bands, rows filtered Up.
TCase Palette8(uint32_t size) {
  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<uint8_t> ihdr(13, 0);
  png::WriteBE32(ihdr.data(), size);
  png::WriteBE32(ihdr.data() + 4, size);
  ihdr[8] = 8;
  ihdr[9] = 3;
  PutChunk(out, "IHDR", ihdr);
  std::vector<uint8_t> plte;
  for (int i = 0; i < 256; ++i) plte.insert(plte.end(), {uint8_t(i), uint8_t(255 - i), uint8_t(i * 7)});
  PutChunk(out, "PLTE", plte);
  std::vector<uint8_t> raw;
  std::vector<uint8_t> previous(size, 0), row(size);
  for (uint32_t y = 0; y < size; ++y) {
    for (uint32_t x = 0; x < size; ++x) row[x] = static_cast<uint8_t>((x / 5 + y / 3 + (x * y >> 12)) & 0xFF);
    raw.push_back(2);
    for (uint32_t x = 0; x < size; ++x) raw.push_back(static_cast<uint8_t>(row[x] - previous[x]));
    previous = row;
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(packedSize);
  compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 6);
  packed.resize(packedSize);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  return {out, size, size, 8};
}

const TCase& PhotoRgba2048() { static const TCase c = Encoded(pngbench::MakePhoto(2048, 2048, 4, 8), false); return c; }
const TCase& FlatRgba2048() { static const TCase c = Encoded(MakeFlat(2048), false); return c; }
const TCase& FlatRgba256() { static const TCase c = Encoded(MakeFlat(256), false); return c; }
const TCase& Adam7Rgba1024() { static const TCase c = Encoded(pngbench::MakePhoto(1024, 1024, 4, 8), true); return c; }
const TCase& Palette1024() { static const TCase c = Palette8(1024); return c; }
const TCase& PhotoRgb16() { static const TCase c = Encoded(pngbench::MakePhoto(1024, 768, 3, 16), false); return c; }

size_t Stride(const TCase& c) { return (size_t{c.Width} * c.OutBits + 31) / 32 * 4; }

struct TLibpngBitmap {
  std::unique_ptr<uint8_t[]> Bits;
  size_t Stride = 0;
};

struct TReadState {
  const std::vector<uint8_t>* File;
  size_t At;
};

TLibpngBitmap LibpngDecodeToBitmap(const TCase& c) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  TReadState state{&c.File, 0};
  TLibpngBitmap out;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return {};
  }
  png_set_read_fn(png, &state, [](png_structp p, png_bytep data, png_size_t length) {
    auto* s = static_cast<TReadState*>(png_get_io_ptr(p));
    std::memcpy(data, s->File->data() + s->At, length);
    s->At += length;
  });
  png_read_info(png, info);
  const int colorType = png_get_color_type(png, info);
  if (colorType == PNG_COLOR_TYPE_RGB || colorType == PNG_COLOR_TYPE_RGB_ALPHA) png_set_bgr(png);
  if (png_get_bit_depth(png, info) == 16) png_set_strip_16(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const uint32_t height = png_get_image_height(png, info);
  out.Stride = Stride(c);
  out.Bits.reset(new uint8_t[out.Stride * height]);
  std::vector<png_bytep> rows(height);
  for (uint32_t y = 0; y < height; ++y) rows[y] = out.Bits.get() + out.Stride * y;
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return out;
}

void DecodeOurs(const TCase& c, skin::TPngMemoryTarget& image) {
  classlib::TMemoryStream stream;
  stream.WriteBuffer(c.File.data(), static_cast<int64_t>(c.File.size()));
  stream.SetPosition(0);
  skin::TColorManager colors;
  skin::TSkinPngDecoder decoder(colors);
  decoder.LoadFromStream(stream, image);
}

void BenchOurs(benchmark::State& state, const TCase& (*source)()) {
  const TCase& c = source();
  {
    skin::TPngMemoryTarget image;
    DecodeOurs(c, image);
    const TLibpngBitmap reference = LibpngDecodeToBitmap(c);
    const size_t rowBytes = (size_t{c.Width} * c.OutBits + 7) / 8;
    for (uint32_t y = 0; y < c.Height; ++y) {
      const uint8_t* a = image.Row(y);
      const uint8_t* b = reference.Bits.get() + reference.Stride * y;
      for (size_t i = 0; i < rowBytes; ++i)
        // libpng narrows 16 bits by the high byte, we by v x 255 div 65535.
        if (a[i] != b[i] && !(c.OutBits == 24 && c.File[24] == 16 && a[i] + 1 == b[i])) {
          state.SkipWithError("our pixels differ from libpng's");
          return;
        }
    }
    bench_support::ResetHeapPeak();
    const size_t before = bench_support::HeapInUse();
    skin::TPngMemoryTarget measured;
    DecodeOurs(c, measured);
    const size_t bitmap = measured.Stride() * measured.Height();
    state.counters["heap_over_bitmap"] = static_cast<double>(bench_support::HeapPeak() - before - bitmap);
  }
  for (auto _ : state) {
    skin::TPngMemoryTarget image;
    DecodeOurs(c, image);
    benchmark::DoNotOptimize(image.Row(0));
  }
  state.counters["file_bytes"] = static_cast<double>(c.File.size());
}

void BenchLibpng(benchmark::State& state, const TCase& (*source)()) {
  const TCase& c = source();
  for (auto _ : state) {
    TLibpngBitmap image = LibpngDecodeToBitmap(c);
    benchmark::DoNotOptimize(image.Bits.get());
  }
  state.counters["file_bytes"] = static_cast<double>(c.File.size());
}

#define SKIN_PNG_CASE(name, source)                                                   \
  BENCHMARK_CAPTURE(BenchOurs, name, source)->Unit(benchmark::kMillisecond);          \
  BENCHMARK_CAPTURE(BenchLibpng, name, source)->Unit(benchmark::kMillisecond)

SKIN_PNG_CASE(PhotoRgba8_2048, PhotoRgba2048);
SKIN_PNG_CASE(FlatRgba8_2048, FlatRgba2048);
SKIN_PNG_CASE(FlatRgba8_256, FlatRgba256);
SKIN_PNG_CASE(Adam7PhotoRgba8_1024, Adam7Rgba1024);
SKIN_PNG_CASE(Palette8_1024, Palette1024);
SKIN_PNG_CASE(PhotoRgb16_1024x768, PhotoRgb16);

}  // namespace
