// The graphic class: chunk list and registry, loading through the chunk
// objects, writing from bitmaps, ancillary chunks.
#include <gtest/gtest.h>

#include <cstring>

#include "png/PngObject.h"
#include "tests/png/core/PngSamples.h"
#include "tests/png/win/PngWinTestSupport.h"

namespace {

using namespace png;
using namespace pngwin;
using namespace pngtest;
using classlib::TBitmap;

TEST(PngObjectTest, NewObjectIsEmptyWithDefaults) {
  TPNGObject image;
  EXPECT_TRUE(image.Empty());
  EXPECT_EQ(image.Width(), 0);
  EXPECT_EQ(image.Height(), 0);
  EXPECT_FALSE(image.HeaderPresent());
  EXPECT_THROW(image.Header(), EPNGHeaderNotPresent);
  EXPECT_EQ(image.Filters(), pfSub);
  EXPECT_EQ(image.CompressionLevel(), 7);
  EXPECT_EQ(image.MaxIdatSize(), 65535);
  image.SetMaxIdatSize(1000);
  EXPECT_EQ(image.MaxIdatSize(), 65535);
  image.SetMaxIdatSize(200000);
  EXPECT_EQ(image.MaxIdatSize(), 200000);
  image.SetCompressionLevel(12);
  EXPECT_EQ(image.CompressionLevel(), 9);
  image.SetCompressionLevel(-1);
  EXPECT_EQ(image.CompressionLevel(), 0);
}

TEST(PngObjectTest, ChunkRegistryMatchesNamesExactly) {
  TPNGObject image;
  std::unique_ptr<TChunk> text(CreateClassChunk(&image, "tEXt"));
  EXPECT_NE(dynamic_cast<TChunktEXt*>(text.get()), nullptr);
  EXPECT_EQ(text->Name(), "tEXt");
  std::unique_ptr<TChunk> upper(CreateClassChunk(&image, "TEXT"));
  EXPECT_EQ(typeid(*upper), typeid(TChunk));
  EXPECT_EQ(upper->Name(), "TEXT");
  std::unique_ptr<TChunk> z(CreateClassChunk(&image, "zTXt"));
  EXPECT_EQ(typeid(*z), typeid(TChunkzTXt));
  EXPECT_EQ(z->GetName(), "zTXt");
  EXPECT_EQ(ChunkClassOf<TChunkIHDR>().Name, "IHDR");
}

TEST(PngObjectTest, IendIsWrittenAsItsTwelveBytes) {
  TPNGObject image;
  std::unique_ptr<TChunkIEND> end(NewChunk<TChunkIEND>(&image));
  classlib::TMemoryStream stream;
  end->SaveToStream(stream);
  EXPECT_EQ(stream.Bytes(), (Bytes{0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82}));
}

Bytes Palette(int entries) {
  Bytes p;
  for (int i = 0; i < entries; ++i) p.insert(p.end(), {uint8_t(i * 5), uint8_t(255 - i), uint8_t(i * 3)});
  return p;
}

Bytes ImageFile(uint32_t w, uint32_t h, int depth, int ct, bool interlaced) {
  PngFile f;
  f.Chunk("IHDR", Ihdr(w, h, uint8_t(depth), uint8_t(ct), interlaced ? 1 : 0));
  if (ct == 3) f.Chunk("PLTE", Palette(1 << depth));
  f.Idat(Zlib(RawImage(w, h, depth, ct, interlaced)), 50).End();
  return f.bytes;
}

const std::pair<int, int> kFormats[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                                        {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};

TEST(PngObjectTest, LoadsEveryFormatIntoTheBitmapSectionAndWritesItBack) {
  for (auto [ct, depth] : kFormats) {
    for (bool interlaced : {false, true}) {
      const Bytes file = ImageFile(21, 10, depth, ct, interlaced);
      TPNGObject image;
      Load(image, file);
      const TPngMemoryImage reference = DecodeBytes(file);
      const TPngImageView& ref = reference.Pixels->View();
      ASSERT_EQ(image.Width(), 21);
      ASSERT_EQ(image.InterlaceMethod(), interlaced ? 1 : 0);
      for (int y = 0; y < 10; ++y) {
        ASSERT_EQ(std::memcmp(image.Scanline(y), ref.Row(y), ref.BytesPerRow), 0) << ct << "/" << depth << " line " << y;
        if (ref.Alpha) {
          EXPECT_EQ(std::memcmp(image.AlphaScanline(y), ref.AlphaRow(y), 21), 0);
        }
        if (ref.Extra) {
          EXPECT_EQ(std::memcmp(image.ExtraScanline(y), ref.ExtraRow(y), ref.BytesPerRow), 0);
        }
      }
      // Written again (16-bit samples lose their low bytes, 2-bit becomes 4-bit).
      const TPngMemoryImage again = DecodeBytes(Save(image));
      EXPECT_EQ(again.Header.BitDepth, depth == 2 ? 4 : depth);
      EXPECT_EQ(image.Header()->BitDepth(), depth == 2 ? 4 : depth);
      for (uint32_t y = 0; y < 10; ++y)
        for (uint32_t x = 0; x < 21; ++x) {
          std::vector<uint32_t> expected = StoredSamples(ref, x, y);
          std::vector<uint32_t> got = StoredSamples(again.Pixels->View(), x, y);
          if (depth == 16)
            for (auto& s : expected) s &= 0xFF00;
          if (depth == 2) expected[0] = ct == 0 ? expected[0] << 2 : expected[0];
          ASSERT_EQ(got, expected) << ct << "/" << depth << " at " << x << "," << y;
        }
    }
  }
}

TEST(PngObjectTest, TwoBitGreyShowsThroughTheSixteenEntryRamp) {
  TPNGObject image;
  Load(image, PngFile().Chunk("IHDR", Ihdr(4, 1, 2, 0)).Chunk("gAMA", {0, 1, 0x86, 0xA0}).Idat(Zlib({0, 0x1B})).End().bytes);
  const TGammaTable& g = image.GammaTable();
  const auto& colors = image.Header()->BitmapInfo().Colors;
  for (int s = 0; s < 4; ++s) EXPECT_EQ(colors[4 * s].rgbRed, g[68 * s]) << s;
  EXPECT_EQ(image.Pixels(3, 0), Rgb(g[255], g[255], g[255]));
  const Bytes saved = Save(image);
  const auto chunks = ListChunks(saved);
  ASSERT_EQ(chunks[0].type, "IHDR");
  EXPECT_EQ(chunks[0].data[8], 4);
  EXPECT_EQ(Inflate(chunks[2].data), (Bytes{1, 0x04, 0x88}));  // cells 0, 4 | 8, 12 filtered with sub
}

template <class E>
void ExpectLoadError(const Bytes& file) {
  TPNGObject image;
  try {
    Load(image, file);
    FAIL() << "no exception";
  } catch (const E& e) {
    EXPECT_EQ(e.Message(), E().Message());
  }
}

TEST(PngObjectTest, LoadErrorsKeepTheChunksRead) {
  ExpectLoadError<EPNGIHDRNotFirst>(PngFile().Chunk("gAMA", {0, 0, 0xB1, 0x8F}).bytes);
  ExpectLoadError<EPngUnexpectedEnd>(PngFile().bytes);
  ExpectLoadError<EPNGNoImageData>(PngFile().Chunk("IHDR", Ihdr(1, 1, 8, 2)).End().bytes);
  ExpectLoadError<EPngInvalidIHDR>(PngFile().Chunk("IHDR", Ihdr(0, 1, 8, 2)).bytes);
  ExpectLoadError<EPngInvalidIHDR>(PngFile().Chunk("IHDR", Ihdr(1, 1, 8, 2)).Chunk("IHDR", Ihdr(1, 1, 8, 2)).bytes);
  ExpectLoadError<EPNGOutMemory>(PngFile().Chunk("IHDR", Ihdr(65535, 65535, 8, 6)).bytes);
  ExpectLoadError<EPNGInvalidPalette>(PngFile().Chunk("IHDR", Ihdr(1, 1, 8, 3)).Chunk("PLTE", Bytes(769, 0)).bytes);

  TPNGObject image;
  EXPECT_THROW(Load(image, PngFile().Chunk("IHDR", Ihdr(2, 2, 8, 2)).Chunk("tEXt", {'a', 0, 'b'}).Chunk("XXXX", {}).bytes),
               EPNGUnknownCriticalChunk);
  ASSERT_EQ(image.Chunks().Count(), 3u);
  EXPECT_EQ(image.Width(), 2);
  EXPECT_EQ(static_cast<TChunktEXt*>(image.Chunks().Item(1))->Text, "b");
}

TEST(PngObjectTest, DropsChrmAndKeepsPrivateChunksByteForByte) {
  const Bytes file = PngFile()
                         .Chunk("IHDR", Ihdr(3, 2, 8, 0))
                         .Chunk("cHRM", Bytes(32, 1))
                         .Chunk("prVt", {9, 8, 7, 0, 255})
                         .Idat(Zlib(RawImage(3, 2, 8, 0, false)))
                         .End()
                         .bytes;
  TPNGObject image;
  Load(image, file);
  const Bytes saved = Save(image);
  EXPECT_EQ(ChunkTypes(saved), (std::vector<std::string>{"IHDR", "prVt", "IDAT", "IEND"}));
  EXPECT_EQ(ListChunks(saved)[1].data, (Bytes{9, 8, 7, 0, 255}));
}

TEST(PngObjectTest, AncillaryChunksLoadSaveAndAssign) {
  Bytes phys, time;
  PutBE32(phys, 2835), PutBE32(phys, 1000), phys.push_back(1);
  time = {0x07, 0xEA, 12, 10, 14, 30, 5};
  const Bytes file = PngFile()
                         .Chunk("IHDR", Ihdr(2, 2, 8, 2))
                         .Chunk("pHYs", phys)
                         .Chunk("tIME", time)
                         .Chunk("tEXt", {'K', 'e', 'y', 0, 'v', 'a', 'l'})
                         .Chunk("zTXt", [] {
                           Bytes z = {'Z', 0, 0};
                           const Bytes packed = Zlib(Bytes{'h', 'e', 'l', 'l', 'o'});
                           z.insert(z.end(), packed.begin(), packed.end());
                           return z;
                         }())
                         .Idat(Zlib(RawImage(2, 2, 8, 2, false)))
                         .End()
                         .bytes;
  TPNGObject image;
  Load(image, file);
  auto* p = image.Chunks().FindChunk<TChunkpHYs>();
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->PPUnitX, 2835u);
  EXPECT_EQ(p->PPUnitY, 1000u);
  EXPECT_EQ(p->UnitType, 1);
  auto* t = image.Chunks().FindChunk<TChunktIME>();
  EXPECT_EQ(t->Year, 2026);
  EXPECT_EQ(t->Second, 5);
  auto* z = image.Chunks().FindChunk<TChunkzTXt>();
  EXPECT_EQ(z->Keyword, "Z");
  EXPECT_EQ(z->Text, "hello");

  TPNGObject copy;
  copy.Assign(&image);
  const Bytes saved = Save(copy);
  EXPECT_EQ(ChunkTypes(saved), (std::vector<std::string>{"IHDR", "pHYs", "tIME", "tEXt", "zTXt", "IDAT", "IEND"}));
  const auto chunks = ListChunks(saved);
  EXPECT_EQ(chunks[1].data, phys);
  EXPECT_EQ(chunks[2].data, time);
  EXPECT_EQ(chunks[3].data, (Bytes{'K', 'e', 'y', 0, 'v', 'a', 'l'}));
  auto text = ParseCompressedText(chunks[4].data);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->Text, "hello");
  const TPngMemoryImage a = DecodeBytes(file), b = DecodeBytes(saved);
  EXPECT_EQ(std::memcmp(a.Pixels->View().Bits, b.Pixels->View().Bits, 8 * 2), 0);

  // An empty zTXt text is written as one compressed blank.
  z->Text.clear();
  auto rewritten = ParseCompressedText(ListChunks(Save(image))[4].data);
  EXPECT_EQ(rewritten->Text, " ");
}

TEST(PngObjectTest, CompressedTextsShareOneInflateLimit) {
  auto text = [](char keyword, size_t size) {
    Bytes z = {uint8_t(keyword), 0, 0};
    const Bytes packed = Zlib(Bytes(size, 'x'), 9);
    z.insert(z.end(), packed.begin(), packed.end());
    return z;
  };
  const Bytes file = PngFile()
                         .Chunk("IHDR", Ihdr(1, 1, 8, 0))
                         .Chunk("zTXt", text('a', size_t{10} << 20))
                         .Chunk("zTXt", text('b', size_t{10} << 20))
                         .Idat(Zlib({0, 0}))
                         .End()
                         .bytes;
  TPNGObject image;
  for (int load = 0; load < 2; ++load) {  // every load starts a new budget
    Load(image, file);
    EXPECT_EQ(static_cast<TChunkzTXt*>(image.Chunks().Item(1))->Text.size(), size_t{10} << 20);
    EXPECT_EQ(static_cast<TChunkzTXt*>(image.Chunks().Item(2))->Keyword, "b");
    EXPECT_TRUE(static_cast<TChunkzTXt*>(image.Chunks().Item(2))->Text.empty());
  }
}

TEST(PngObjectTest, IncompatibleAssignmentsRaise) {
  TPNGObject image;
  std::unique_ptr<TChunkIHDR> header(NewChunk<TChunkIHDR>(&image));
  std::unique_ptr<TChunkPLTE> palette(NewChunk<TChunkPLTE>(&image));
  try {
    header->Assign(palette.get());
    FAIL();
  } catch (const EPngError& e) {
    EXPECT_EQ(e.Message(), L"The chunks must be compatible to be assigned.");
  }
  std::unique_ptr<TChunkgAMA> gamma(NewChunk<TChunkgAMA>(&image));
  EXPECT_EQ(gamma->Gamma(), 1u);
  EXPECT_THROW(gamma->Assign(palette.get()), EPngError);
  EXPECT_THROW(palette->Assign(gamma.get()), EPngError);
}

// A bitmap of the given format with a pattern; palette formats get a table
// of distinct colours.
std::unique_ptr<TBitmap> PatternBitmap(classlib::TPixelFormat format, int w, int h) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(format);
  bitmap->SetSize(w, h);
  const int bits = classlib::BitsPerPixelOf(format);
  if (bits <= 8) {
    std::vector<RGBQUAD> colors(1u << bits);
    for (size_t i = 0; i < colors.size(); ++i)
      colors[i] = RGBQUAD{uint8_t(i), uint8_t(255 - i), uint8_t(i * 7 + 1), 0};
    bitmap->SetColorTable(colors);
  }
  for (int y = 0; y < h; ++y) {
    uint8_t* row = bitmap->ScanLine(y);
    for (int i = 0; i < bitmap->RowBytes(); ++i) row[i] = static_cast<uint8_t>(i * 31 + y * 17);
  }
  return bitmap;
}

TEST(PngObjectTest, AssignsBitmapsOfEveryDepth) {
  struct Case {
    classlib::TPixelFormat format;
    int colorType, depth, paletteEntries;
  };
  for (const Case& c : {Case{classlib::pf24bit, 2, 8, 0}, Case{classlib::pf32bit, 2, 8, 0},
                        Case{classlib::pf8bit, 3, 8, 256}, Case{classlib::pf4bit, 3, 4, 16},
                        Case{classlib::pf1bit, 3, 1, 2}}) {
    auto bitmap = PatternBitmap(c.format, 13, 7);
    TPNGObject image;
    image.Assign(bitmap.get());
    const Bytes saved = Save(image);
    EXPECT_EQ(ChunkTypes(saved), c.paletteEntries ? (std::vector<std::string>{"IHDR", "PLTE", "IDAT", "IEND"})
                                                   : (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    const TPngMemoryImage decoded = DecodeBytes(saved);
    EXPECT_EQ(decoded.Header.ColorType, c.colorType);
    EXPECT_EQ(decoded.Header.BitDepth, c.depth);
    EXPECT_EQ(decoded.Palette.size(), size_t(c.paletteEntries) * 3);
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 13; ++x) {
        // Compare colours: the bitmap's through its table, the file's through PLTE.
        const uint8_t* row = bitmap->ScanLine(y);
        uint32_t expected;
        if (c.colorType == 2) {
          const int bpp = c.format == classlib::pf32bit ? 4 : 3;
          expected = Rgb(row[bpp * x + 2], row[bpp * x + 1], row[bpp * x]);
        } else {
          const int bits = c.depth;
          const unsigned index = (row[x * bits / 8] >> (8 - bits - (x * bits) % 8)) & ((1u << bits) - 1);
          const RGBQUAD q = bitmap->ColorTable()[index];
          expected = Rgb(q.rgbRed, q.rgbGreen, q.rgbBlue);
        }
        const std::vector<uint32_t> s = StoredSamples(decoded.Pixels->View(), uint32_t(x), uint32_t(y));
        uint32_t got = c.colorType == 2 ? Rgb(s[0], s[1], s[2])
                                        : Rgb(decoded.Palette[3 * s[0]], decoded.Palette[3 * s[0] + 1],
                                              decoded.Palette[3 * s[0] + 2]);
        ASSERT_EQ(got, expected) << c.depth << " at " << x << "," << y;
      }
  }
}

TEST(PngObjectTest, TransparentBitmapsGetTransparencyChunks) {
  auto rgb = PatternBitmap(classlib::pf24bit, 4, 4);
  TPNGObject image;
  image.AssignHandle(rgb->Handle(), true, Rgb(0x12, 0x34, 0x56));
  Bytes saved = Save(image);
  EXPECT_EQ(ChunkTypes(saved), (std::vector<std::string>{"IHDR", "tRNS", "IDAT", "IEND"}));
  EXPECT_EQ(ListChunks(saved)[1].data, (Bytes{0, 0x12, 0, 0x34, 0, 0x56}));
  EXPECT_EQ(image.TransparencyMode(), 1);
  EXPECT_EQ(image.TransparentColor(), Rgb(0x12, 0x34, 0x56));

  auto pal = PatternBitmap(classlib::pf8bit, 4, 4);
  const RGBQUAD five = pal->ColorTable()[5];
  image.AssignHandle(pal->Handle(), true, Rgb(five.rgbRed, five.rgbGreen, five.rgbBlue));
  saved = Save(image);
  EXPECT_EQ(ChunkTypes(saved), (std::vector<std::string>{"IHDR", "PLTE", "tRNS", "IDAT", "IEND"}));
  EXPECT_EQ(ListChunks(saved)[2].data, (Bytes{255, 255, 255, 255, 255, 0}));
  EXPECT_EQ(image.TransparencyMode(), 1);

  // A colour the palette lacks marks nothing.
  image.AssignHandle(pal->Handle(), true, Rgb(1, 1, 1));
  EXPECT_EQ(ChunkTypes(Save(image)), (std::vector<std::string>{"IHDR", "PLTE", "IDAT", "IEND"}));
  EXPECT_EQ(image.TransparencyMode(), 0);
}

TEST(PngObjectTest, WritesScreenshotSizedImagesInFullIdatChunks) {
  auto bitmap = PatternBitmap(classlib::pf24bit, 1200, 820);
  TPNGObject image;
  image.Assign(bitmap.get());
  image.SetCompressionLevel(0);
  const Bytes saved = Save(image);
  const auto chunks = ListChunks(saved);
  EXPECT_EQ(chunks[0].data, Ihdr(1200, 820, 8, 2));
  Bytes joined;
  for (size_t i = 1; i + 1 < chunks.size(); ++i) {
    ASSERT_EQ(chunks[i].type, "IDAT");
    if (i + 2 < chunks.size()) {
      EXPECT_EQ(chunks[i].data.size(), 65535u);
    }
    joined.insert(joined.end(), chunks[i].data.begin(), chunks[i].data.end());
  }
  EXPECT_EQ(joined[0], 0x78);
  EXPECT_EQ(joined[1], 0x01);
  const Bytes raw = Inflate(joined);
  ASSERT_EQ(raw.size(), 820u * 3601u);
  for (size_t row = 0; row < 820; ++row) ASSERT_EQ(raw[row * 3601], 1) << row;
}

}  // namespace
