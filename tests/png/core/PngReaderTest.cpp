// The reader on files built by hand: every colour type and bit depth, Adam7,
// split IDAT runs, the error table and crafted files.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "classlib/core/Stream.h"
#include "png/PngErrors.h"
#include "png/PngMemoryDecoder.h"
#include "tests/png/core/PngSamples.h"
#include "tests/png/core/PngTestFiles.h"

namespace {

using namespace png;
using namespace pngtest;

TPngMemoryImage Decode(const Bytes& file) {
  classlib::TMemoryStream stream;
  stream.WriteBuffer(file.data(), static_cast<int64_t>(file.size()));
  stream.SetPosition(0);
  return DecodePng(stream);
}

Bytes Palette(int entries) {
  Bytes p;
  for (int i = 0; i < entries; ++i) p.insert(p.end(), {uint8_t(i), uint8_t(255 - i), uint8_t(i * 3)});
  return p;
}

Bytes ImageFile(uint32_t w, uint32_t h, int depth, int ct, bool interlaced, size_t idatPiece = 0) {
  PngFile f;
  f.Chunk("IHDR", Ihdr(w, h, uint8_t(depth), uint8_t(ct), interlaced ? 1 : 0));
  if (ct == 3) f.Chunk("PLTE", Palette(1 << depth));
  f.Idat(Zlib(RawImage(w, h, depth, ct, interlaced)), idatPiece).End();
  return f.bytes;
}

struct Format {
  int colorType, depth;
};
const Format kFormats[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1}, {3, 2},
                           {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};

TEST(PngReaderTest, EveryColourTypeAndBitDepthPlainAndInterlaced) {
  // 300 columns also run whole vectors of pixels and a tail in the row
  // conversions.
  for (const Format& f : kFormats) {
    for (const auto& [interlaced, w] : {std::pair{false, 13u}, std::pair{true, 13u}, std::pair{false, 300u}}) {
      const uint32_t h = 11;
      const TPngMemoryImage image = Decode(ImageFile(w, h, f.depth, f.colorType, interlaced));
      const TPngImageView& v = image.Pixels->View();
      for (uint32_t y = 0; y < h; ++y) {
        for (uint32_t x = 0; x < w; ++x) {
          std::vector<uint32_t> expected;
          for (int ch = 0; ch < Channels(f.colorType); ++ch) {
            uint32_t s = Sample(x, y, ch, f.depth);
            if (f.colorType == 3) s %= 1u << f.depth;
            const bool alphaChannel = (f.colorType == 4 && ch == 1) || (f.colorType == 6 && ch == 3);
            if (alphaChannel && f.depth == 16) s &= 0xFF00;  // alpha keeps the high byte
            expected.push_back(s);
          }
          ASSERT_EQ(StoredSamples(v, x, y), expected)
              << "type " << f.colorType << " width " << w << " depth " << f.depth << " interlaced " << interlaced << " at " << x << ","
              << y;
        }
      }
    }
  }
}

TEST(PngReaderTest, SplitIdatAndInterlacingDecodeIdentically) {
  const Bytes one = ImageFile(37, 29, 8, 6, false);
  const TPngMemoryImage a = Decode(one);
  const TPngMemoryImage b = Decode(ImageFile(37, 29, 8, 6, false, 1));
  const TPngMemoryImage c = Decode(ImageFile(37, 29, 8, 6, true, 7));
  const size_t size = a.Pixels->View().BytesPerRow * 29;
  EXPECT_EQ(std::memcmp(a.Pixels->View().Bits, b.Pixels->View().Bits, size), 0);
  EXPECT_EQ(std::memcmp(a.Pixels->View().Bits, c.Pixels->View().Bits, size), 0);
  EXPECT_EQ(std::memcmp(a.Pixels->View().Alpha, c.Pixels->View().Alpha, 37 * 29), 0);
}

TEST(PngReaderTest, TwoBitRowsAreStoredAsFourBitCells) {
  const Bytes raw = {0, 0x1B};  // samples 0, 1, 2, 3
  for (int interlaced : {0, 1}) {
    Bytes data = raw;
    if (interlaced) {
      // Passes of a 4 x 1 image: pass 1 has column 0, pass 4 column 2, pass 6 columns 1 and 3.
      data = {0, 0x00, 0, 0x80, 0, 0x70};
    }
    const auto grey = Decode(PngFile().Chunk("IHDR", Ihdr(4, 1, 2, 0, uint8_t(interlaced))).Idat(Zlib(data)).End().bytes);
    EXPECT_EQ(grey.Pixels->View().Row(0)[0], 0x04);
    EXPECT_EQ(grey.Pixels->View().Row(0)[1], 0x8C);
    const auto pal = Decode(
        PngFile().Chunk("IHDR", Ihdr(4, 1, 2, 3, uint8_t(interlaced))).Chunk("PLTE", Palette(4)).Idat(Zlib(data)).End().bytes);
    EXPECT_EQ(pal.Pixels->View().Row(0)[0], 0x01);
    EXPECT_EQ(pal.Pixels->View().Row(0)[1], 0x23);
  }
}

TEST(PngReaderTest, InterlacedOnePixelWideImageDropsFillerBits) {
  // Every pass row of a 1-bit image 1 pixel wide is one byte: pixel in the top bit, filler below.
  const uint32_t h = 8;
  Bytes raw;
  for (uint32_t y : {0u, 4u, 2u, 6u, 1u, 3u, 5u, 7u}) raw.insert(raw.end(), {0, uint8_t(y % 2 ? 0xFF : 0x7F)});
  const auto image = Decode(PngFile().Chunk("IHDR", Ihdr(1, h, 1, 0, 1)).Idat(Zlib(raw)).End().bytes);
  for (uint32_t y = 0; y < h; ++y) EXPECT_EQ(image.Pixels->View().Row(y)[0], y % 2 ? 0x80 : 0x00) << y;
}

TEST(PngReaderTest, FirstRowOfAPassWithUpFilterSeesZeros) {
  // 2 x 2 grey, Adam7: pass 1 (0,0), pass 6 (1,0), pass 7 row 1; each first row uses "up".
  const Bytes raw = {2, 10, 2, 20, 2, 30, 40};
  const auto image = Decode(PngFile().Chunk("IHDR", Ihdr(2, 2, 8, 0, 1)).Idat(Zlib(raw)).End().bytes);
  const TPngImageView& v = image.Pixels->View();
  EXPECT_EQ(v.Row(0)[0], 10);
  EXPECT_EQ(v.Row(0)[1], 20);
  EXPECT_EQ(v.Row(1)[0], 30);
  EXPECT_EQ(v.Row(1)[1], 40);
}

TEST(PngReaderTest, DataEndingInsideARowDecodesItsMissingBytesAsZero) {
  // Wide rows, each adding 1 to the one above it ("up").
  const uint32_t w = 4000, h = 100;
  Bytes raw;
  for (uint32_t y = 0; y < h; ++y) {
    raw.push_back(2);
    raw.insert(raw.end(), w, 1);
  }
  auto decode = [&](const Bytes& rows) {
    return Decode(PngFile().Chunk("IHDR", Ihdr(w, h, 8, 0)).Idat(Zlib(rows)).End().bytes);
  };
  const auto full = decode(raw);
  for (uint32_t y = 0; y < h; ++y) {
    ASSERT_EQ(full.Pixels->View().Row(y)[0], y + 1) << y;
    ASSERT_EQ(full.Pixels->View().Row(y)[w - 1], y + 1) << y;
  }
  // The data ends halfway through row 70: its missing bytes count as zero
  // (so it repeats the row above there), the rows after it stay zero.
  raw.resize(70 * (w + 1) + 1 + w / 2);
  const auto cut = decode(raw);
  const TPngImageView& v = cut.Pixels->View();
  EXPECT_EQ(v.Row(69)[w - 1], 70);
  EXPECT_EQ(v.Row(70)[w / 2 - 1], 71);
  EXPECT_EQ(v.Row(70)[w / 2], 70);
  for (uint32_t y = 71; y < h; ++y) ASSERT_EQ(v.Row(y)[0], 0) << y;
}

template <class E>
void ExpectError(const Bytes& file) {
  try {
    Decode(file);
    FAIL() << "no exception";
  } catch (const E& e) {
    EXPECT_EQ(e.Message(), E().Message());
  }
}

TEST(PngReaderTest, ErrorTable) {
  const Bytes good = ImageFile(4, 4, 8, 2, false);
  ExpectError<EPngUnexpectedEnd>(PngFile().bytes);  // the signature only
  ExpectError<EPNGInvalidFileHeader>(Bytes{0x89, 'P', 'N', 'G', 13, 10, 26, 11});
  ExpectError<EPNGInvalidFileHeader>(Bytes{0x89, 'P'});
  ExpectError<EPNGIHDRNotFirst>(PngFile().Chunk("gAMA", {0, 0, 0xB1, 0x8F}).bytes);
  ExpectError<EPNGSizeExceeds>(PngFile().Chunk("IHDR", Ihdr(65536, 1, 8, 2)).bytes);
  ExpectError<EPNGUnknownCompression>(PngFile().Chunk("IHDR", Ihdr(1, 1, 8, 2, 0, 1)).bytes);
  ExpectError<EPNGUnknownInterlace>(PngFile().Chunk("IHDR", Ihdr(1, 1, 8, 2, 2)).bytes);
  ExpectError<EPNGUnknownCriticalChunk>(PngFile().Chunk("IHDR", Ihdr(1, 1, 8, 2)).Chunk("XYZW", {1}).bytes);
  ExpectError<EPNGNoImageData>(PngFile().Chunk("IHDR", Ihdr(1, 1, 8, 2)).End().bytes);
  ExpectError<EPNGInvalidPalette>(
      PngFile().Chunk("IHDR", Ihdr(1, 1, 8, 3)).Chunk("PLTE", Bytes(769, 1)).bytes);
  ExpectError<EPNGInvalidPalette>(
      PngFile().Chunk("IHDR", Ihdr(1, 1, 8, 3)).Chunk("PLTE", Bytes(257 * 3, 1)).bytes);

  // A flipped CRC bit in the header and in an IDAT chunk of a run.
  Bytes flipped = good;
  flipped[8 + 8 + 13] ^= 1;
  ExpectError<EPngInvalidCRC>(flipped);
  Bytes run = ImageFile(4, 4, 8, 2, false, 5);
  run[8 + 25 + 8 + 5] ^= 0x10;  // CRC of the first IDAT
  ExpectError<EPngInvalidCRC>(run);

  // Image data continues in a chunk that is not IDAT.
  const Bytes packed = Zlib(RawImage(4, 4, 8, 2, false));
  ExpectError<EPNGMissingMultipleIDAT>(PngFile()
                                           .Chunk("IHDR", Ihdr(4, 4, 8, 2))
                                           .Chunk("IDAT", Bytes(packed.begin(), packed.begin() + 10))
                                           .Chunk("tEXt", {'a', 0, 'b'})
                                           .End()
                                           .bytes);
  // Corrupted compressed data.
  Bytes corrupt = packed;
  corrupt[0] = 0x77;
  try {
    Decode(PngFile().Chunk("IHDR", Ihdr(4, 4, 8, 2)).Idat(corrupt).End().bytes);
    FAIL();
  } catch (const EPNGZLIBError& e) {
    EXPECT_EQ(e.Message(), EPNGZLIBError().Message() + L"data error (-3)");
  }
  // The file stops after the last chunk's CRC without IEND.
  ExpectError<EPngUnexpectedEnd>(Bytes(good.begin(), good.end() - 12));
}

TEST(PngReaderTest, CrcOfLastIdatIsCheckedAfterUnusedData) {
  // Compressed data longer than one 65,535-byte refill, then bytes the rows
  // never need, in one chunk and spread over a run.
  const uint32_t w = 300, h = 300;
  Bytes packed = Zlib(RawImage(w, h, 8, 6, false), 0);
  ASSERT_GT(packed.size(), 65535u);
  packed.insert(packed.end(), {1, 2, 3, 4, 5});
  for (size_t piece : {size_t{0}, size_t{65535}, packed.size() - 5}) {
    const auto image = Decode(PngFile().Chunk("IHDR", Ihdr(w, h, 8, 6)).Idat(packed, piece).End().bytes);
    EXPECT_EQ(StoredSamples(image.Pixels->View(), w - 1, h - 1),
              (std::vector<uint32_t>{Sample(w - 1, h - 1, 0, 8), Sample(w - 1, h - 1, 1, 8), Sample(w - 1, h - 1, 2, 8),
                                     Sample(w - 1, h - 1, 3, 8)}));
  }
}

TEST(PngReaderTest, StreamEndAfterTheRowsCountsOnlyInTheChunkThatCompletesThem) {
  // The zlib check value decides nothing once the rows are complete, unless
  // it lies in the chunk that completed them; a later chunk of the run is
  // skipped without its CRC.
  const uint32_t w = 40, h = 30;
  const Bytes packed = Zlib(RawImage(w, h, 8, 2, false));
  const Bytes body(packed.begin(), packed.end() - 4);
  Bytes wrongCheck(packed.end() - 4, packed.end());
  wrongCheck[3] ^= 1;
  const Bytes header = PngFile().Chunk("IHDR", Ihdr(w, h, 8, 2)).bytes;
  auto file = [&](const Bytes& first, const Bytes& second, bool badSecondCrc) {
    PngFile f;
    f.bytes = header;
    f.Chunk("IDAT", first);
    if (badSecondCrc) f.RawChunk("IDAT", second, Crc("IDAT", second) ^ 1);
    else if (!second.empty()) f.Chunk("IDAT", second);
    return f.End().bytes;
  };
  Bytes wholeWrong = body;
  wholeWrong.insert(wholeWrong.end(), wrongCheck.begin(), wrongCheck.end());
  try {
    Decode(file(wholeWrong, {}, false));
    FAIL();
  } catch (const EPNGZLIBError& e) {
    EXPECT_EQ(e.Message(), EPNGZLIBError().Message() + L"data error (-3)");
  }
  for (const Bytes& f : {file(body, wrongCheck, false), file(body, Bytes(packed.end() - 4, packed.end()), true)}) {
    const auto image = Decode(f);
    EXPECT_EQ(StoredSamples(image.Pixels->View(), w - 1, h - 1),
              (std::vector<uint32_t>{Sample(w - 1, h - 1, 0, 8), Sample(w - 1, h - 1, 1, 8), Sample(w - 1, h - 1, 2, 8)}));
  }
}

TEST(PngReaderTest, CraftedLengthsRaiseUnexpectedEnd) {
  const Bytes good = ImageFile(2, 2, 8, 2, false);
  for (uint32_t length : {0x80000000u, 0xFFFFFFF0u, 0xFFFFFFFFu, 1000u}) {
    Bytes f = PngFile().Chunk("IHDR", Ihdr(2, 2, 8, 2)).bytes;
    PutBE32(f, length);
    f.insert(f.end(), {'a', 'b', 'c', 'd', 1, 2, 3});
    ExpectError<EPngUnexpectedEnd>(f);
  }
  // A skipped chunk (cHRM) whose length runs past the end.
  Bytes skip = PngFile().Chunk("IHDR", Ihdr(2, 2, 8, 2)).bytes;
  PutBE32(skip, 0xFFFFFFF8u);
  skip.insert(skip.end(), {'c', 'H', 'R', 'M', 0, 0, 0, 0});
  ExpectError<EPngUnexpectedEnd>(skip);
  // An IDAT continuation with an impossible length.
  const Bytes packed = Zlib(RawImage(2, 2, 8, 2, false));
  Bytes cont = PngFile().Chunk("IHDR", Ihdr(2, 2, 8, 2)).Chunk("IDAT", Bytes(packed.begin(), packed.begin() + 3)).bytes;
  PutBE32(cont, 0x7FFFFFFFu);
  cont.insert(cont.end(), {'I', 'D', 'A', 'T', 0, 0});
  ExpectError<EPngUnexpectedEnd>(cont);
}

TEST(PngReaderTest, HugeImagesRaiseOutMemoryBeforeAllocating) {
  ExpectError<EPNGOutMemory>(PngFile().Chunk("IHDR", Ihdr(65535, 65535, 16, 6)).bytes);
  ExpectError<EPNGOutMemory>(PngFile().Chunk("IHDR", Ihdr(65535, 4000, 8, 2)).bytes);
}

TEST(PngReaderTest, CompressedDataEndingEarlyLeavesRowsZero) {
  const uint32_t w = 5, h = 6;
  Bytes raw = RawImage(w, h, 8, 0, false);
  raw.resize(raw.size() / 2);  // a complete zlib stream of half the rows
  const auto image = Decode(PngFile().Chunk("IHDR", Ihdr(w, h, 8, 0)).Idat(Zlib(raw)).Chunk("IDAT", {1, 2}).End().bytes);
  const TPngImageView& v = image.Pixels->View();
  EXPECT_EQ(v.Row(0)[1], Sample(1, 0, 0, 8));
  for (uint32_t y = 3; y < h; ++y)
    for (uint32_t x = 0; x < w; ++x) EXPECT_EQ(v.Row(y)[x], 0) << x << "," << y;
}

TEST(PngReaderTest, AncillaryChunksAreKeptOrSkipped) {
  const Bytes packed = Zlib(RawImage(2, 2, 8, 2, false));
  const auto image = Decode(PngFile()
                                .Chunk("IHDR", Ihdr(2, 2, 8, 2))
                                .Chunk("cHRM", Bytes(32, 0))
                                .Chunk("prVt", {1, 2, 3})
                                .Chunk("tEXt", {'K', 0, 'v'})
                                .Chunk("tEXt", {'K', 'v', 'x'})
                                .Idat(packed)
                                .Chunk("IDAT", {9, 9})
                                .End()
                                .bytes);
  ASSERT_EQ(image.Texts.size(), 1u);
  EXPECT_EQ(image.Texts[0].Text, "v");
}

Bytes CompressedText(char keyword, size_t size) {
  Bytes z = {uint8_t(keyword), 0, 0};
  const Bytes packed = Zlib(Bytes(size, 'x'), 9);
  z.insert(z.end(), packed.begin(), packed.end());
  return z;
}

TEST(PngReaderTest, CompressedTextsShareOneInflateLimit) {
  const auto image = Decode(PngFile()
                                .Chunk("IHDR", Ihdr(1, 1, 8, 0))
                                .Chunk("zTXt", CompressedText('a', size_t{10} << 20))
                                .Chunk("zTXt", CompressedText('b', size_t{10} << 20))
                                .Chunk("zTXt", CompressedText('c', 100))
                                .Idat(Zlib({0, 0}))
                                .End()
                                .bytes);
  ASSERT_EQ(image.Texts.size(), 3u);
  EXPECT_EQ(image.Texts[0].Text.size(), size_t{10} << 20);
  EXPECT_TRUE(image.Texts[1].Text.empty());
  EXPECT_EQ(image.Texts[2].Text.size(), 100u);
}

}  // namespace
