// The IDAT writer: round trips through the reader for every colour type and
// bit depth it writes, chunk sizes, and what it feeds to zlib.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "classlib/core/Stream.h"
#include "png/PngChunkIO.h"
#include "png/PngGamma.h"
#include "png/PngIdatWriter.h"
#include "png/PngMemoryDecoder.h"
#include "tests/png/core/PngSamples.h"
#include "tests/png/core/PngTestFiles.h"

namespace {

using namespace png;
using namespace pngtest;

// Fills the stored layout with random values the writer can represent.
void FillRandom(const TPngImageView& v, uint32_t seed) {
  std::mt19937 rng(seed);
  const int bits = StoredBitsPerPixel(v.ColorType, v.BitDepth);
  for (uint32_t y = 0; y < v.Height; ++y) {
    uint8_t* row = v.Row(y);
    for (uint32_t x = 0; x < v.Width; ++x) {
      if (bits == 24) {
        for (int i = 0; i < 3; ++i) row[3 * x + i] = static_cast<uint8_t>(rng());
      } else {
        uint32_t value = rng() & ((1u << bits) - 1);
        if (v.BitDepth == 2) value &= v.ColorType == 0 ? 0xC : 0x3;  // cells the reader makes of 2-bit samples
        const size_t bit = size_t{x} * bits;
        row[bit / 8] = static_cast<uint8_t>(row[bit / 8] | (value << (8 - bits - bit % 8)));
      }
      if (v.Alpha) v.AlphaRow(y)[x] = static_cast<uint8_t>(rng());
    }
  }
}

Bytes WriteFile(const TPngHeaderValues& header, const TPngImageView& view, const TIdatWriteSettings& settings) {
  classlib::TMemoryStream out;
  out.WriteBuffer(kSignature.data(), 8);
  TPngHeaderValues written = header;
  if (written.BitDepth == 2) written.BitDepth = 4;
  written.InterlaceMethod = settings.InterlaceMethod;
  uint8_t ihdr[13];
  WriteHeader(written, ihdr);
  WriteChunk(out, "IHDR", ihdr, 13);
  if (header.ColorType == 3) {
    const Bytes plte(3 << written.BitDepth, 7);
    WriteChunk(out, "PLTE", plte.data(), static_cast<uint32_t>(plte.size()));
  }
  const TGammaTable identity = IdentityGamma();
  WriteIdat(out, view, settings, identity.data());
  WriteChunk(out, "IEND", nullptr, 0);
  return out.Bytes();
}

TEST(PngIdatWriterTest, RoundTripsEveryWrittenFormat) {
  const std::pair<int, int> formats[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                                         {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};
  const uint8_t filterSets[] = {pfSub, 0, pfNone | pfSub | pfUp | pfAverage | pfPaeth, pfPaeth, pfAverage | pfUp};
  uint32_t seed = 1;
  for (auto [ct, depth] : formats) {
    for (uint8_t interlace : {0, 1}) {
      for (uint8_t filters : filterSets) {
        const TPngHeaderValues header{19, 9, uint8_t(depth), uint8_t(ct), 0, 0, 0};
        TPngImageBuffer source(header);
        FillRandom(source.View(), seed++);
        const Bytes file = WriteFile(header, source.View(), TIdatWriteSettings{filters, 6, 65535, interlace});
        classlib::TMemoryStream in;
        in.WriteBuffer(file.data(), static_cast<int64_t>(file.size()));
        in.SetPosition(0);
        const TPngMemoryImage decoded = DecodePng(in);
        const TPngImageView& v = decoded.Pixels->View();
        for (uint32_t y = 0; y < header.Height; ++y)
          for (uint32_t x = 0; x < header.Width; ++x) {
            std::vector<uint32_t> expected = StoredSamples(source.View(), x, y);
            std::vector<uint32_t> got = StoredSamples(v, x, y);
            if (depth == 2) {
              // Written as 4-bit: the decoded image holds the cells themselves.
              expected = {ct == 0 ? expected[0] << 2 : expected[0]};
            }
            ASSERT_EQ(got, expected) << ct << "/" << depth << " interlace " << int{interlace} << " filters "
                                     << int{filters} << " at " << x << "," << y;
          }
      }
    }
  }
}

TEST(PngIdatWriterTest, ChunksHoldExactlyMaxIdatSizeBytes) {
  const TPngHeaderValues header{300, 300, 8, 2, 0, 0, 0};
  TPngImageBuffer image(header);
  FillRandom(image.View(), 5);
  const Bytes file = WriteFile(header, image.View(), TIdatWriteSettings{pfSub, 0, 65535, 0});
  Bytes joined;
  std::vector<size_t> sizes;
  for (const ChunkInfo& c : ListChunks(file))
    if (c.type == "IDAT") {
      sizes.push_back(c.data.size());
      joined.insert(joined.end(), c.data.begin(), c.data.end());
    }
  ASSERT_GT(sizes.size(), 1u);
  for (size_t i = 0; i + 1 < sizes.size(); ++i) EXPECT_EQ(sizes[i], 65535u);
  EXPECT_GT(sizes.back(), 0u);
  EXPECT_LE(sizes.back(), 65535u);
  // Level 0: a stored zlib stream (header 78 01); every row filtered with sub.
  EXPECT_EQ(joined[0], 0x78);
  EXPECT_EQ(joined[1], 0x01);
  const Bytes raw = Inflate(joined);
  ASSERT_EQ(raw.size(), 300u * 901u);
  for (size_t row = 0; row < 300; ++row) EXPECT_EQ(raw[row * 901], 1);

  // Compressed data of an exact multiple of the chunk size ends without an empty chunk.
  const size_t total = joined.size();
  const Bytes again = WriteFile(header, image.View(), TIdatWriteSettings{pfSub, 0, static_cast<uint32_t>(total), 0});
  std::vector<size_t> whole;
  for (const ChunkInfo& c : ListChunks(again))
    if (c.type == "IDAT") whole.push_back(c.data.size());
  EXPECT_EQ(whole, std::vector<size_t>{total});
}

TEST(PngIdatWriterTest, InterlacedOnePixelImageWritesOnlyPassOne) {
  const TPngHeaderValues header{1, 1, 8, 2, 0, 0, 0};
  TPngImageBuffer image(header);
  image.View().Row(0)[0] = 1, image.View().Row(0)[1] = 2, image.View().Row(0)[2] = 3;
  const Bytes file = WriteFile(header, image.View(), TIdatWriteSettings{pfSub, 6, 65535, 1});
  for (const ChunkInfo& c : ListChunks(file))
    if (c.type == "IDAT") {
      EXPECT_EQ(Inflate(c.data), (Bytes{1, 3, 2, 1}));
    }
}

TEST(PngIdatWriterTest, FilteredRowsOfATwoByTwoImage) {
  // Grey 8-bit rows {10, 30} and {50, 20}: sub gives {10, 20} and {50, 226}.
  const TPngHeaderValues header{2, 2, 8, 0, 0, 0, 0};
  TPngImageBuffer image(header);
  image.View().Row(0)[0] = 10, image.View().Row(0)[1] = 30;
  image.View().Row(1)[0] = 50, image.View().Row(1)[1] = 20;
  Bytes file = WriteFile(header, image.View(), TIdatWriteSettings{pfSub, 9, 65535, 0});
  for (const ChunkInfo& c : ListChunks(file))
    if (c.type == "IDAT") {
      EXPECT_EQ(Inflate(c.data), (Bytes{1, 10, 20, 1, 50, 226}));
    }
  file = WriteFile(header, image.View(), TIdatWriteSettings{pfUp, 9, 65535, 0});
  for (const ChunkInfo& c : ListChunks(file))
    if (c.type == "IDAT") {
      EXPECT_EQ(Inflate(c.data), (Bytes{2, 10, 30, 2, 40, 246}));
    }
}

}  // namespace
