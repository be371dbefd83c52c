// CRC, header checks, filters, the pointer list and text chunk data.
#include <gtest/gtest.h>

#include "png/PngCrc.h"
#include "png/PngErrors.h"
#include "png/PngFilters.h"
#include "png/PngFormat.h"
#include "png/PngGamma.h"
#include "png/PngIdatWriter.h"
#include "png/PngPointerList.h"
#include "png/PngText.h"
#include "tests/png/core/PngTestFiles.h"

namespace {

using namespace png;
using pngtest::Bytes;

TEST(PngCrcTest, MatchesTheStandardChunkCrc) {
  EXPECT_EQ(ChunkCrc("IEND", nullptr, 0), 0xAE426082u);
  const Bytes data = {1, 2, 3, 250, 0, 7};
  EXPECT_EQ(ChunkCrc("tEXt", data.data(), data.size()), pngtest::Crc("tEXt", data));
}

template <class E>
void ExpectHeaderError(const Bytes& data) {
  try {
    ParseHeader(data.data(), data.size());
    FAIL() << "no exception";
  } catch (const E& e) {
    EXPECT_EQ(e.Message(), E().Message());
  }
}

TEST(PngHeaderTest, RejectsWhatTheReaderCannotHold) {
  using pngtest::Ihdr;
  ExpectHeaderError<EPNGSizeExceeds>(Ihdr(65536, 1, 8, 2));
  ExpectHeaderError<EPNGSizeExceeds>(Ihdr(1, 0xFFFFFFFF, 8, 2));
  ExpectHeaderError<EPNGUnknownCompression>(Ihdr(1, 1, 8, 2, 0, 1));
  ExpectHeaderError<EPNGUnknownInterlace>(Ihdr(1, 1, 8, 2, 2));
  ExpectHeaderError<EPngInvalidIHDR>(Bytes(12, 1));
  ExpectHeaderError<EPngInvalidIHDR>(Ihdr(0, 5, 8, 2));
  ExpectHeaderError<EPngInvalidIHDR>(Ihdr(5, 0, 8, 2));
  // Colour type and bit depth pairs the format does not define.
  for (auto [ct, depth] : {std::pair{2, 4}, {3, 16}, {4, 1}, {6, 2}, {0, 3}, {1, 8}, {7, 8}, {2, 0}})
    ExpectHeaderError<EPngInvalidIHDR>(Ihdr(1, 1, static_cast<uint8_t>(depth), static_cast<uint8_t>(ct)));

  const Bytes ok = Ihdr(65535, 3, 16, 6, 1);
  const TPngHeaderValues h = ParseHeader(ok.data(), ok.size());
  EXPECT_EQ(h.Width, 65535u);
  EXPECT_EQ(h.Height, 3u);
  EXPECT_EQ(h.BitDepth, 16);
  EXPECT_EQ(h.ColorType, 6);
  EXPECT_EQ(h.InterlaceMethod, 1);
}

TEST(PngHeaderTest, BufferSizesAreComputedIn64Bits) {
  TPngHeaderValues h{65535, 65535, 16, 6, 0, 0, 0};
  EXPECT_GT(ImageBufferBytes(h), uint64_t{0xFFFFFFFF});
  EXPECT_THROW(CheckImageBufferSize(h), EPNGOutMemory);
  TPngHeaderValues small{4000, 3000, 8, 6, 0, 0, 0};
  EXPECT_NO_THROW(CheckImageBufferSize(small));
}

TEST(PngFormatTest, RowSizesAndOffsets) {
  EXPECT_EQ(BytesForPixels(3, 0, 1), 1u);
  EXPECT_EQ(BytesForPixels(9, 0, 1), 2u);
  EXPECT_EQ(BytesForPixels(5, 2, 16), 30u);
  EXPECT_EQ(BytesForPixels(5, 9, 8), 0u);
  EXPECT_EQ(FilterOffset(6, 16), 8);
  EXPECT_EQ(FilterOffset(0, 2), 1);
  EXPECT_EQ(FilterOffset(4, 8), 2);
  EXPECT_EQ(StoredBitsPerPixel(0, 2), 4);
  EXPECT_EQ(StoredBitsPerPixel(3, 16), 8);
  EXPECT_EQ(StoredRowBytes(3, 24), 12u);
  EXPECT_EQ(PassWidth(kAdam7[1], 4), 0u);
  EXPECT_EQ(PassWidth(kAdam7[1], 5), 1u);
  EXPECT_EQ(PassWidth(kAdam7[6], 7), 7u);
}

TEST(PngFilterTest, PaethTiesGoToLeftThenAbove) {
  EXPECT_EQ(PaethPredictor(10, 10, 10), 10);
  EXPECT_EQ(PaethPredictor(1, 2, 3), 1);    // p = 0: |0-1| = 1 < |0-2|
  EXPECT_EQ(PaethPredictor(5, 9, 5), 9);    // p = 9: b exact
  EXPECT_EQ(PaethPredictor(9, 5, 5), 9);    // p = 9: a exact
  EXPECT_EQ(PaethPredictor(10, 20, 15), 15);  // p = 15: c exact
}

TEST(PngFilterTest, EveryFilterUndoesItself) {
  const Bytes previous = {3, 200, 17, 90, 255, 0, 12, 77, 8};
  const Bytes row = {250, 1, 99, 100, 101, 5, 5, 200, 33};
  for (uint8_t type = 0; type < 5; ++type) {
    for (size_t offset : {1u, 3u, 4u}) {
      Bytes filtered(row.size());
      FilterRow(type, row.data(), previous.data(), filtered.data(), row.size(), offset);
      UnfilterRow(type, filtered.data(), previous.data(), filtered.size(), offset);
      EXPECT_EQ(filtered, row) << int{type} << " " << offset;
    }
  }
  Bytes unknown = row;
  UnfilterRow(9, unknown.data(), previous.data(), unknown.size(), 1);
  EXPECT_EQ(unknown, row);
}

// Rows of every pixel size and length, up to well past one vector step,
// with bytes from the whole range and from a narrow one (where the Paeth
// distances tie): the writer's plain filter is the reference.
TEST(PngFilterTest, EveryPixelSizeAndRowLengthUndoesTheWriter) {
  uint32_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<uint8_t>(seed >> 16);
  };
  for (uint8_t spread : {uint8_t{255}, uint8_t{3}}) {
    for (size_t offset : {1u, 2u, 3u, 4u, 6u, 8u}) {
      for (size_t pixels = 1; pixels <= 12; ++pixels) {
        const size_t size = pixels * offset;
        Bytes previous(size), row(size);
        for (size_t i = 0; i < size; ++i) {
          previous[i] = static_cast<uint8_t>(next() % (spread + 1u));
          row[i] = static_cast<uint8_t>(next() % (spread + 1u));
        }
        for (uint8_t type = 1; type < 5; ++type) {
          Bytes filtered(size);
          FilterRow(type, row.data(), previous.data(), filtered.data(), size, offset);
          UnfilterRow(type, filtered.data(), previous.data(), size, offset);
          EXPECT_EQ(filtered, row) << "type " << int{type} << ", pixel " << offset << ", pixels " << pixels;
        }
      }
    }
  }
}

TEST(PngFilterTest, ChoiceFollowsTheSimilarityCount) {
  const Bytes none = {1, 2, 3, 4, 5, 6};
  const Bytes sub = {1, 1, 1, 1, 1, 1};
  const Bytes up = {1, 2, 2, 2, 3, 4};
  const uint8_t* buffers[5] = {none.data(), sub.data(), up.data(), none.data(), none.data()};
  EXPECT_EQ(ChooseFilter(0, buffers, 6), 0);
  EXPECT_EQ(ChooseFilter(pfUp, buffers, 6), 2);
  EXPECT_EQ(ChooseFilter(pfSub | pfUp, buffers, 6), 1);
  EXPECT_EQ(ChooseFilter(pfNone | pfUp, buffers, 6), 2);
  // Both count 0: the starting choice, type 0, stays.
  const Bytes distinct = {9, 8, 7, 6, 5, 4};
  const uint8_t* zeros[5] = {none.data(), distinct.data(), none.data(), nullptr, nullptr};
  EXPECT_EQ(ChooseFilter(pfSub | pfUp, zeros, 6), 0);
}

TEST(PngGammaTest, NearlyIdentityForTheUsualValue) {
  TGammaTable table = IdentityGamma(), inverse = IdentityGamma();
  BuildGammaTables(45455, table, inverse);
  for (int i = 0; i < 256; ++i) EXPECT_NEAR(table[i], i, 1) << i;
  TGammaTable unchanged = IdentityGamma();
  BuildGammaTables(0, unchanged, inverse);
  EXPECT_EQ(unchanged, IdentityGamma());
  BuildGammaTables(100000, table, inverse);
  EXPECT_EQ(table[0], 0);
  EXPECT_EQ(table[255], 255);
  EXPECT_GT(table[128], 128);  // a file gamma of 1.0 brightens for a 2.2 display
}

TEST(PngPointerListTest, RemoveTakesTheLaterOfTwoEntries) {
  TPNGPointerList list(nullptr);
  int a = 0, b = 0;
  list.Add(&a);
  list.Add(&b);
  list.Add(&a);
  EXPECT_EQ(list.Remove(&a), &a);
  ASSERT_EQ(list.Count(), 2u);
  EXPECT_EQ(list.GetItem(0), &a);
  EXPECT_EQ(list.GetItem(1), &b);
  EXPECT_EQ(list.GetItem(2), nullptr);
  EXPECT_EQ(list.Remove(&list), nullptr);
  list.SetItem(7, &a);
  list.SetSize(0);
  EXPECT_EQ(list.Count(), 0u);
}

TEST(PngTextTest, TextChunksParseAndBuild) {
  const Bytes empty = BuildText({"Title", ""});
  EXPECT_EQ(empty, (Bytes{'T', 'i', 't', 'l', 'e', 0}));
  auto parsed = ParseText(BuildText({"Author", "Jan\xF3w"}));
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->Keyword, "Author");
  EXPECT_EQ(parsed->Text, "Jan\xF3w");

  auto packed = BuildCompressedText({"Comment", ""}, 9);
  ASSERT_TRUE(packed);
  auto unpacked = ParseCompressedText(*packed);
  ASSERT_TRUE(unpacked);
  EXPECT_EQ(unpacked->Keyword, "Comment");
  EXPECT_EQ(unpacked->Text, " ");
}

TEST(PngTextTest, MalformedTextIsRejectedWithoutReadingPastIt) {
  EXPECT_FALSE(ParseText(Bytes{'a', 'b', 'c', 'd'}));  // no separator
  EXPECT_FALSE(ParseText(Bytes{'a', 0}));
  EXPECT_FALSE(ParseCompressedText(Bytes{'a', 'b', 'c', 0}));  // method byte missing
  // A stream that would inflate beyond 16 MiB gives an empty text.
  Bytes bomb = {'k', 0, 0};
  const Bytes packed = pngtest::Zlib(Bytes((size_t{16} << 20) + 1, 'x'), 9);
  bomb.insert(bomb.end(), packed.begin(), packed.end());
  auto v = ParseCompressedText(bomb);
  ASSERT_TRUE(v);
  EXPECT_EQ(v->Keyword, "k");
  EXPECT_TRUE(v->Text.empty());
  // A broken stream likewise.
  auto broken = ParseCompressedText(Bytes{'k', 0, 0, 1, 2, 3});
  ASSERT_TRUE(broken);
  EXPECT_TRUE(broken->Text.empty());
}

TEST(PngErrorsTest, ZlibErrorCarriesTheResultText) {
  try {
    RaiseZlibError(-3);
  } catch (const EPNGZLIBError& e) {
    EXPECT_EQ(e.Message(),
              L"Could not decompress the image because it contains invalid compressed data.\r\n Description: data "
              L"error (-3)");
  }
}

}  // namespace
