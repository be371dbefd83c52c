// The skin PNG reader over crafted files: the failure table with its exact
// classes and texts, the tolerances that set it apart from the codec's
// reader, and the mended faults.
#include <gtest/gtest.h>

#include <functional>
#include <typeinfo>

#include "png/PngFilters.h"
#include "skin/core/SkinImages.h"
#include "skin/core/SkinPngMemoryTarget.h"
#include "tests/png/core/PngTestFiles.h"

namespace skin {
namespace {

using pngtest::Bytes;
using pngtest::Ihdr;
using pngtest::PngFile;
using pngtest::Zlib;

struct Loaded {
  TPngMemoryTarget image;
  TColorManager colors;
};

void LoadInto(const Bytes& file, TColorManager& colors, TPngMemoryTarget& image, uint64_t maxPixels = kMaxPngPixels) {
  classlib::TMemoryStream stream;
  stream.WriteBuffer(file.data(), static_cast<int64_t>(file.size()));
  stream.SetPosition(0);
  TSkinPngDecoder decoder(colors);
  decoder.MaxPixels = maxPixels;
  decoder.LoadFromStream(stream, image);
  EXPECT_EQ(stream.Position(), static_cast<int64_t>(file.size()));
}

std::unique_ptr<Loaded> Load(const Bytes& file) {
  auto l = std::make_unique<Loaded>();
  LoadInto(file, l->colors, l->image);
  return l;
}

// "Class: message" of what loading raises, or "ok".
std::string Outcome(const Bytes& file, uint64_t maxPixels = kMaxPngPixels) {
  try {
    TColorManager colors;
    TPngMemoryTarget image;
    LoadInto(file, colors, image, maxPixels);
  } catch (const classlib::Exception& e) {
    std::string name = typeid(e).name();
    for (const char* known : {"EInvalidGraphic", "EGraphicCompression", "EReadError", "EColorConversionError"})
      if (name.find(known) != std::string::npos) name = known;
    return name + ": " + e.what();
  }
  return "ok";
}

Bytes Raw(uint32_t w, uint32_t h, int depth, int colorType, bool interlaced = false) {
  return pngtest::RawImage(w, h, depth, colorType, interlaced, colorType == 3 ? 4 : 256);
}

Bytes Palette(int entries) {
  Bytes p;
  for (int i = 0; i < entries; ++i) p.insert(p.end(), {uint8_t(40 * i + 1), uint8_t(40 * i + 2), uint8_t(40 * i + 3)});
  return p;
}

// A w x h file of the test pattern; `extra` adds chunks between IHDR and IDAT.
Bytes File(uint32_t w, uint32_t h, int depth, int colorType, const std::function<void(PngFile&)>& extra = {},
           bool interlaced = false) {
  PngFile f;
  f.Chunk("IHDR", Ihdr(w, h, uint8_t(depth), uint8_t(colorType), interlaced ? 1 : 0));
  if (colorType == 3) f.Chunk("PLTE", Palette(4));
  if (extra) extra(f);
  f.Idat(Zlib(Raw(w, h, depth, colorType, interlaced)));
  return f.End().bytes;
}

const Bytes kIhdrRgb = Ihdr(4, 3, 8, 2);

TEST(SkinPngDecoder, FailureTable) {
  const Bytes rows = Zlib(Raw(4, 3, 8, 2));
  auto with = [&](const std::function<void(PngFile&)>& body) {
    PngFile f;
    body(f);
    return f.bytes;
  };
  Bytes badSignature = File(4, 3, 8, 2);
  badSignature[1] = 'p';
  Bytes badIdatCrc = File(4, 3, 8, 2);
  badIdatCrc[8 + 25 + 8 + 2] ^= 1;
  Bytes shortIhdr = Ihdr(4, 3, 8, 2);
  shortIhdr.pop_back();
  Bytes wide = Raw(4, 3, 8, 2);
  wide.resize(wide.size() - 1);  // one byte short of the image
  Bytes corrupt = rows;
  corrupt[0] = 0x79;  // not a zlib header
  Bytes trailing = rows;
  trailing.push_back(0);
  Bytes hugeLength = File(4, 3, 8, 2);
  hugeLength[33] = 0x7F;  // the IDAT length becomes about 2 GB

  const std::string invalid = "EInvalidGraphic: Cannot load image. Invalid or unexpected PNG image format.";
  struct Case {
    const char* name;
    Bytes file;
    std::string want;
  } cases[] = {
      {"wrong signature", badSignature, invalid},
      {"first chunk not IHDR", with([&](PngFile& f) { f.Chunk("gAMA", {0, 0, 0, 1}).Chunk("IHDR", kIhdrRgb); }), invalid},
      {"width 0", with([&](PngFile& f) { f.Chunk("IHDR", Ihdr(0, 3, 8, 2)).End(); }), invalid},
      {"height 0", with([&](PngFile& f) { f.Chunk("IHDR", Ihdr(4, 0, 8, 2)).End(); }), invalid},
      {"IHDR of 12 bytes", with([&](PngFile& f) { f.Chunk("IHDR", shortIhdr).End(); }), invalid},
      {"compression 1", with([&](PngFile& f) { f.Chunk("IHDR", Ihdr(4, 3, 8, 2, 0, 1)).End(); }),
       "EInvalidGraphic: Cannot load image. The compression scheme is not supported for PNG files."},
      {"PLTE of 4 bytes", with([&](PngFile& f) { f.Chunk("IHDR", Ihdr(4, 3, 8, 3)).Chunk("PLTE", {1, 2, 3, 4}).End(); }),
       "EInvalidGraphic: Cannot load image. Palette in PNG file is invalid."},
      {"IDAT CRC", badIdatCrc, "EInvalidGraphic: Cannot load image. CRC error found in PNG file."},
      {"colour type 2 depth 4", File(4, 3, 4, 2), "EInvalidGraphic: Invalid color format in PNG file."},
      {"colour type 5", with([&](PngFile& f) { f.Chunk("IHDR", Ihdr(4, 3, 8, 5)).Idat(rows).End(); }),
       "EInvalidGraphic: Invalid color format in PNG file."},
      {"colour type 3 depth 16", with([&](PngFile& f) { f.Chunk("IHDR", Ihdr(4, 3, 16, 3)).Chunk("PLTE", Palette(2)).End(); }),
       "EInvalidGraphic: Invalid color format in PNG file."},
      {"critical ABcd", File(4, 3, 8, 2, [](PngFile& f) { f.Chunk("ABcd", {1}); }),
       "EInvalidGraphic: Cannot load PNG image. Unexpected but critical chunk detected."},
      {"second IHDR", File(4, 3, 8, 2, [](PngFile& f) { f.Chunk("IHDR", kIhdrRgb); }),
       "EInvalidGraphic: Cannot load PNG image. Unexpected but critical chunk detected."},
      {"PLTE after the IDAT run", with([&](PngFile& f) { f.Chunk("IHDR", kIhdrRgb).Idat(rows).Chunk("PLTE", Palette(2)).End(); }),
       "EInvalidGraphic: Cannot load PNG image. Unexpected but critical chunk detected."},
      {"zlib data ends inside a row", with([&](PngFile& f) { f.Chunk("IHDR", kIhdrRgb).Idat(Zlib(wide)).End(); }),
       "EInvalidGraphic: Cannot load image. Extra compressed data found in PNG file."},
      {"data after the zlib stream", with([&](PngFile& f) { f.Chunk("IHDR", kIhdrRgb).Idat(trailing).End(); }),
       "EInvalidGraphic: Cannot load image. Extra compressed data found in PNG file."},
      {"zlib error", with([&](PngFile& f) { f.Chunk("IHDR", kIhdrRgb).Idat(corrupt).End(); }),
       "EInvalidGraphic: Cannot load image. Compression error found in PNG file."},
      {"no IEND", with([&](PngFile& f) { f.Chunk("IHDR", kIhdrRgb).Idat(rows); }), "EReadError: Stream read error"},
      {"cut inside a chunk header", Bytes(badIdatCrc.begin(), badIdatCrc.begin() + 35), "EReadError: Stream read error"},
      {"chunk length beyond the data", hugeLength, "EReadError: Stream read error"},
      {"signature only", Bytes(badIdatCrc.begin(), badIdatCrc.begin() + 8), "EReadError: Stream read error"},
  };
  for (const Case& c : cases) EXPECT_EQ(Outcome(c.file), c.want) << c.name;
}

TEST(SkinPngDecoder, ImagesBeyondThePixelCapAreRefusedBeforeSizing) {
  // 2^32 - 1 square: the product needs 64 bits.
  PngFile f;
  f.Chunk("IHDR", Ihdr(0xFFFFFFFFu, 0xFFFFFFFFu, 8, 6)).Idat(Zlib({0})).End();
  EXPECT_EQ(Outcome(f.bytes), "EInvalidGraphic: Cannot load image. The PNG image is too large.");
  EXPECT_EQ(Outcome(File(64, 64, 8, 6), 64 * 63), "EInvalidGraphic: Cannot load image. The PNG image is too large.");
  EXPECT_EQ(Outcome(File(64, 64, 8, 6), 64 * 64), "ok");
}

TEST(SkinPngDecoder, ToleratedFiles) {
  const auto plain = Load(File(5, 4, 8, 2));
  auto sameAsPlain = [&](const Bytes& file, const char* name) {
    const auto l = Load(file);
    ASSERT_EQ(l->image.Width(), 5u) << name;
    for (uint32_t y = 0; y < 4; ++y)
      for (uint32_t x = 0; x < 5; ++x) ASSERT_EQ(l->image.Pixel(x, y), plain->image.Pixel(x, y)) << name;
  };
  {
    PngFile f;
    f.Chunk("IHDR", Ihdr(5, 4, 8, 2)).Chunk("idat", Zlib(Raw(5, 4, 8, 2))).Chunk("iend", {});
    sameAsPlain(f.bytes, "lower-case idat and iend");
  }
  sameAsPlain(File(5, 4, 8, 2, [](PngFile& f) { f.Chunk("abCD", {1, 2, 3}); }), "unknown ancillary chunk");
  sameAsPlain(File(5, 4, 8, 2, [](PngFile& f) { f.RawChunk("tEXt", {'a', 0, 'b'}, 0xBAD); }), "tEXt with a bad CRC");
  {
    Bytes badIend = File(5, 4, 8, 2);
    badIend.back() ^= 0xFF;
    sameAsPlain(badIend, "IEND with a bad CRC");
  }
  {
    PngFile f;
    f.Chunk("IHDR", Ihdr(5, 4, 8, 2)).Chunk("IDAT", {});
    f.Idat(Zlib(Raw(5, 4, 8, 2)), 3).Chunk("IDAT", {}).End();
    sameAsPlain(f.bytes, "IDAT in chunks of 3 bytes between empty ones");
  }
  {
    PngFile f;
    f.Chunk("IHDR", Ihdr(5, 4, 8, 2)).Chunk("tEXt", {'k', 0}).End();
    const auto l = Load(f.bytes);
    EXPECT_EQ(l->image.Width(), 0u);
    EXPECT_EQ(l->image.PixelFormat(), TPixelFormat::pfDevice);
  }
}

TEST(SkinPngDecoder, AnIdatRunThatStopsEarlyLeavesRowsFromStaleBuffersWithoutError) {
  // Two rows of data for a four-row image; filter 5 leaves a row as read.
  Bytes raw = {5, 10, 20, 30, 0, 40, 50, 60};
  Bytes z = Zlib(raw);
  // A partial flush keeps the stream open: cut the stream before its end.
  z_stream zs{};
  deflateInit(&zs, 6);
  Bytes out(256);
  zs.next_in = raw.data();
  zs.avail_in = static_cast<uInt>(raw.size());
  zs.next_out = out.data();
  zs.avail_out = static_cast<uInt>(out.size());
  deflate(&zs, Z_SYNC_FLUSH);
  out.resize(out.size() - zs.avail_out);
  deflateEnd(&zs);
  PngFile f;
  f.Chunk("IHDR", Ihdr(1, 4, 8, 2)).Idat(out).End();
  const auto l = Load(f.bytes);
  EXPECT_EQ(l->image.Pixel(0, 0), 0xFF0A141Eu);
  EXPECT_EQ(l->image.Pixel(0, 1), 0xFF28323Cu);
  // Rows 2 and 3 reuse the buffers as they stood.
  EXPECT_EQ(l->image.Pixel(0, 2), 0xFF0A141Eu);
  EXPECT_EQ(l->image.Pixel(0, 3), 0xFF28323Cu);
}

// Every row of `raw` (plain or Adam7 rows of pixels of `pixelBytes`)
// filtered with `type`; filter types on the first row of each pass too.
Bytes Filtered(const Bytes& raw, uint32_t w, uint32_t h, int bitsPerPixel, bool interlaced, uint8_t type) {
  static const uint32_t cs[7] = {0, 4, 0, 2, 0, 1, 0}, ci[7] = {8, 8, 4, 4, 2, 2, 1};
  static const uint32_t rs[7] = {0, 0, 4, 0, 2, 0, 1}, ri[7] = {8, 8, 8, 4, 4, 2, 2};
  const size_t pixelBytes = std::max(1, bitsPerPixel / 8);
  Bytes out;
  size_t at = 0;
  auto rowsOf = [&](uint32_t pw, uint32_t count) {
    const size_t len = (size_t{pw} * bitsPerPixel + 7) / 8;
    Bytes previous(len, 0), filtered(len);
    for (uint32_t r = 0; r < count; ++r) {
      const uint8_t* row = raw.data() + at + 1;
      png::FilterRow(type == 0 ? 1 : type, row, previous.data(), filtered.data(), len, pixelBytes);
      out.push_back(type);
      if (type == 0) out.insert(out.end(), row, row + len);
      else out.insert(out.end(), filtered.begin(), filtered.end());
      previous.assign(row, row + len);
      at += len + 1;
    }
  };
  if (!interlaced) {
    rowsOf(w, h);
  } else {
    for (int p = 0; p < 7; ++p) {
      const uint32_t pw = w > cs[p] ? (w - cs[p] + ci[p] - 1) / ci[p] : 0;
      if (pw == 0) continue;
      rowsOf(pw, h > rs[p] ? (h - rs[p] + ri[p] - 1) / ri[p] : 0);
    }
  }
  return out;
}

TEST(SkinPngDecoder, InterlacedEqualsPlainForEveryFilterAndFormat) {
  struct Format { int depth, colorType; };
  for (const Format fmt : {Format{8, 6}, Format{16, 6}, Format{8, 2}, Format{16, 2}, Format{1, 0}, Format{2, 0},
                           Format{4, 0}, Format{8, 0}, Format{16, 0}, Format{8, 4}, Format{16, 4}, Format{1, 3},
                           Format{2, 3}, Format{4, 3}, Format{8, 3}}) {
    const int bpp = fmt.depth * pngtest::Channels(fmt.colorType);
    for (const uint32_t w : {1u, 7u, 13u}) {
      const uint32_t h = 11;
      auto file = [&](bool interlaced, uint8_t type) {
        PngFile f;
        f.Chunk("IHDR", Ihdr(w, h, uint8_t(fmt.depth), uint8_t(fmt.colorType), interlaced ? 1 : 0));
        if (fmt.colorType == 3) f.Chunk("PLTE", Palette(4));
        f.Idat(Zlib(Filtered(Raw(w, h, fmt.depth, fmt.colorType, interlaced), w, h, bpp, interlaced, type)));
        return f.End().bytes;
      };
      const auto reference = Load(file(false, 0));
      for (const bool interlaced : {false, true})
        for (uint8_t type = 0; type <= 4; ++type) {
          const auto l = Load(file(interlaced, type));
          ASSERT_EQ(l->image.Height(), h);
          for (uint32_t y = 0; y < h; ++y)
            ASSERT_EQ(0, std::memcmp(l->image.Row(y), reference->image.Row(y), reference->image.Stride()))
                << "depth " << fmt.depth << " type " << fmt.colorType << " w " << w << " interlaced " << interlaced
                << " filter " << int(type) << " row " << y;
        }
    }
  }
}

TEST(SkinPngDecoder, PixelsByColourType) {
  {  // RGBA 8: straight alpha, exact
    const auto l = Load(File(3, 2, 8, 6));
    EXPECT_EQ(l->image.PixelFormat(), TPixelFormat::pf32bit);
    const Bytes raw = Raw(3, 2, 8, 6);
    EXPECT_EQ(l->image.Row(1)[4 * 2 + 3], raw[1 + 3 * 4 + 1 + 4 * 2 + 3]);
    EXPECT_EQ(l->image.Row(0)[0], raw[1 + 2]);  // blue first
  }
  {  // RGBA 16: alpha v div 257; colours v * 255 div 65535
    PngFile f;
    f.Chunk("IHDR", Ihdr(1, 1, 16, 6)).Idat(Zlib({0, 0xFF, 0x00, 0x01, 0x01, 0x00, 0x00, 0x80, 0x80})).End();
    const auto l = Load(f.bytes);
    EXPECT_EQ(l->image.Pixel(0, 0), 0x80FE0100u);
  }
  {  // grey 16: 0xFF00 -> 254 through an 8-bit grey ramp
    PngFile f;
    f.Chunk("IHDR", Ihdr(2, 1, 16, 0)).Idat(Zlib({0, 0xFF, 0x00, 0x01, 0x01})).End();
    const auto l = Load(f.bytes);
    EXPECT_EQ(l->image.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(l->image.Row(0)[0], 254);
    EXPECT_EQ(l->image.Row(0)[1], 1);
    EXPECT_EQ(l->image.Palette().size(), 256u);
  }
  {  // grey 2: pf4bit with indexes 0, 5, 10, 15 over a 16-grey ramp
    PngFile f;
    f.Chunk("IHDR", Ihdr(4, 1, 2, 0)).Idat(Zlib({0, 0b00011011})).End();
    const auto l = Load(f.bytes);
    EXPECT_EQ(l->image.PixelFormat(), TPixelFormat::pf4bit);
    EXPECT_EQ(l->image.Row(0)[0], 0x05);
    EXPECT_EQ(l->image.Row(0)[1], 0xAF);
    ASSERT_EQ(l->image.Palette().size(), 16u);
    EXPECT_EQ(l->image.Palette()[5].Red, 85);
    EXPECT_EQ(l->image.Pixel(3, 0), 0xFFFFFFFFu);
  }
  {  // grey with alpha: an 8-bit grey image, alpha dropped
    PngFile f;
    f.Chunk("IHDR", Ihdr(2, 1, 8, 4)).Idat(Zlib({0, 10, 200, 20, 0})).End();
    const auto l = Load(f.bytes);
    EXPECT_EQ(l->image.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(l->image.Pixel(0, 0), 0xFF0A0A0Au);
    EXPECT_EQ(l->image.Pixel(1, 0), 0xFF141414u);
  }
  {  // indexed 2-bit: 4-bit indexes over the stretched palette
    const auto l = Load(File(4, 1, 2, 3));
    EXPECT_EQ(l->image.PixelFormat(), TPixelFormat::pf4bit);
    const Bytes raw = Raw(4, 1, 2, 3);
    for (uint32_t x = 0; x < 4; ++x) {
      const int index = (raw[1] >> (6 - 2 * x)) & 3;
      EXPECT_EQ(l->image.Pixel(x, 0), 0xFF000000u | (40u * index + 3) | ((40u * index + 2) << 8) | ((40u * index + 1) << 16));
    }
  }
}

TEST(SkinPngDecoder, AncillaryChunks) {
  auto loaded = [](int depth, int colorType, const std::function<void(PngFile&)>& extra) {
    auto l = std::make_unique<Loaded>();
    classlib::TMemoryStream stream;
    const Bytes file = File(2, 2, depth, colorType, extra);
    stream.WriteBuffer(file.data(), static_cast<int64_t>(file.size()));
    stream.SetPosition(0);
    TSkinPngDecoder decoder(l->colors);
    decoder.LoadFromStream(stream, l->image);
    return std::make_pair(std::move(l), std::make_pair(decoder.BackgroundColor(), decoder.TransparentKey()));
  };
  // tRNS keys: grey depth 16 scaled, colour low bytes.
  EXPECT_EQ(loaded(16, 0, [](PngFile& f) { f.Chunk("tRNS", {0xFF, 0x00}); }).second.second, 0xFEFEFEu);
  EXPECT_EQ(loaded(8, 2, [](PngFile& f) { f.Chunk("tRNS", {0, 1, 0, 2, 0, 3}); }).second.second, 0x030201u);
  EXPECT_EQ(loaded(2, 0, [](PngFile& f) { f.Chunk("tRNS", {0, 2}); }).second.second, 0x0A0A0Au);
  // bKGD: a grey level or palette index used as a colour value.
  EXPECT_EQ(loaded(8, 0, [](PngFile& f) { f.Chunk("bKGD", {0, 0x80}); }).second.first, 0x80u);
  EXPECT_EQ(loaded(8, 3, [](PngFile& f) { f.Chunk("bKGD", {2}); }).second.first, 2u);
  // Short chunks are ignored.
  EXPECT_EQ(loaded(8, 2, [](PngFile& f) { f.Chunk("tRNS", {0, 1}); }).second.second, TSkinPngDecoder::kNoColor);
  EXPECT_EQ(loaded(8, 2, [](PngFile& f) { f.Chunk("bKGD", {0, 1, 0}); }).second.first, 0xFFFFFFu);
  EXPECT_EQ(loaded(8, 0, [](PngFile& f) { f.Chunk("bKGD", {}); }).second.first, 0xFFFFFFu);
  const auto shortGamma = loaded(8, 2, [](PngFile& f) { f.Chunk("gAMA", {0, 1}); });
  EXPECT_FALSE(shortGamma.first->colors.TargetOptions & cvGamma);
  // gAMA 100000 maps colour samples through the table.
  const auto gamma = loaded(8, 2, [](PngFile& f) { f.Chunk("gAMA", {0, 0x01, 0x86, 0xA0}); });
  const Bytes raw = Raw(2, 2, 8, 2);
  EXPECT_EQ(gamma.first->image.Row(0)[2], gamma.first->colors.GammaTable()[raw[1]]);
  // A second PLTE replaces the first; entries beyond its count are black.
  const auto twice = loaded(8, 3, [](PngFile& f) { f.Chunk("PLTE", {9, 9, 9, 8, 8, 8}); });
  ASSERT_EQ(twice.first->image.Palette().size(), 2u);
  EXPECT_EQ(twice.first->image.Palette()[1], (TPaletteEntry{8, 8, 8, 0}));
}

TEST(SkinPngDecoder, AReusedManagerBuildsItsGammaTableForEightBitSides) {
  TColorManager reused;
  TPngMemoryTarget image;
  LoadInto(File(3, 1, 1, 0), reused, image);  // leaves 1-bit sides behind
  const Bytes withGamma = File(3, 1, 8, 2, [](PngFile& f) { f.Chunk("gAMA", {0, 0x01, 0x86, 0xA0}); });
  LoadInto(withGamma, reused, image);
  const auto fresh = Load(withGamma);
  EXPECT_EQ(reused.GammaTable(), fresh->colors.GammaTable());
  EXPECT_EQ(0, std::memcmp(image.Row(0), fresh->image.Row(0), 9));
}

TEST(SkinPngDecoder, SkinImagesExpandToThirtyTwoBits) {
  const Bytes rgba = File(3, 2, 8, 6);
  const auto bitmap = DecodeSkinBitmap(std::string_view(reinterpret_cast<const char*>(rgba.data()), rgba.size()));
  const Bytes raw = Raw(3, 2, 8, 6);
  const uint8_t* p = raw.data() + 1 + 3 * 4 + 1 + 4;  // pixel (1, 1)
  EXPECT_EQ(bitmap->Pixel(1, 1), (uint32_t{p[3]} << 24) | (p[0] << 16) | (p[1] << 8) | p[2]);
  // Without alpha every pixel is opaque except the key colour.
  PngFile f;
  f.Chunk("IHDR", Ihdr(2, 1, 8, 2)).Idat(Zlib({0, 0xFF, 0, 0xFF, 1, 2, 3})).End();
  const auto keyed = DecodeSkinBitmap(std::string_view(reinterpret_cast<const char*>(f.bytes.data()), f.bytes.size()));
  EXPECT_EQ(keyed->Pixel(0, 0), 0x00FF00FFu);
  EXPECT_EQ(keyed->Pixel(1, 0), 0xFF010203u);
  // Failures carry the reader's text.
  Bytes bad = rgba;
  bad[20] = 0;
  bad[21] = 0;
  bad[22] = 0;
  bad[23] = 0;
  try {
    DecodeSkinBitmap(std::string_view(reinterpret_cast<const char*>(bad.data()), bad.size()));
    ADD_FAILURE();
  } catch (const ESkinImageError& e) {
    EXPECT_EQ(e.Message(), L"Cannot load image. CRC error found in PNG file.");
  }
}

}  // namespace
}  // namespace skin
