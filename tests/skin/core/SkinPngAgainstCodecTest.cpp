// One fixture per rule where the skinning library's PNG reader and the PNG
// codec's reader part ways, decoded by both: each keeps its own result.
#include <gtest/gtest.h>

#include <memory>

#include "png/PngMemoryDecoder.h"
#include "skin/core/SkinPngMemoryTarget.h"
#include "tests/png/core/PngTestFiles.h"

namespace skin {
namespace {

using pngtest::Bytes;
using pngtest::Ihdr;
using pngtest::PngFile;
using pngtest::Zlib;

std::unique_ptr<classlib::TMemoryStream> StreamOf(const Bytes& file) {
  auto s = std::make_unique<classlib::TMemoryStream>();
  s->WriteBuffer(file.data(), static_cast<int64_t>(file.size()));
  s->SetPosition(0);
  return s;
}

TPngMemoryTarget Skin(const Bytes& file) {
  auto s = StreamOf(file);
  TColorManager colors;
  TSkinPngDecoder decoder(colors);
  TPngMemoryTarget image;
  decoder.LoadFromStream(*s, image);
  return image;
}

png::TPngMemoryImage Codec(const Bytes& file) {
  auto s = StreamOf(file);
  return png::DecodePng(*s);
}

std::string CodecFailure(const Bytes& file) {
  try {
    Codec(file);
  } catch (const classlib::Exception& e) {
    return e.what();
  }
  return "ok";
}

TEST(SkinPngAgainstCodec, ChunkRules) {
  const Bytes rows = Zlib({0, 1, 2, 3});
  // Chunk types: the skin reader ignores letter case, so "idat" is image data.
  PngFile lower;
  lower.Chunk("IHDR", Ihdr(1, 1, 8, 2)).Chunk("idat", rows).End();
  EXPECT_EQ(Skin(lower.bytes).Pixel(0, 0), 0xFF010203u);
  EXPECT_NE(CodecFailure(lower.bytes), "ok");

  // CRCs: the skin reader checks only the chunks whose data it reads.
  PngFile text;
  text.Chunk("IHDR", Ihdr(1, 1, 8, 2)).RawChunk("tEXt", {'a', 0, 'b'}, 0xBAD).Idat(rows).End();
  EXPECT_EQ(Skin(text.bytes).Pixel(0, 0), 0xFF010203u);
  EXPECT_NE(CodecFailure(text.bytes), "ok");

  // No image data: an empty bitmap for the skin reader.
  PngFile none;
  none.Chunk("IHDR", Ihdr(1, 1, 8, 2)).End();
  EXPECT_EQ(Skin(none.bytes).Width(), 0u);
  EXPECT_NE(CodecFailure(none.bytes), "ok");
}

TEST(SkinPngAgainstCodec, SampleRules) {
  // 16-bit samples: the skin reader narrows by v x 255 div 65535 (0xFF00 ->
  // 254); the codec keeps the high byte and the low one beside it.
  PngFile grey16;
  grey16.Chunk("IHDR", Ihdr(1, 1, 16, 0)).Idat(Zlib({0, 0xFF, 0x00})).End();
  EXPECT_EQ(Skin(grey16.bytes).Row(0)[0], 254);
  const auto codec16 = Codec(grey16.bytes);
  EXPECT_EQ(codec16.Pixels->View().Row(0)[0], 0xFF);

  // 2-bit grey: the skin reader widens to 4-bit indexes (level x 5).
  PngFile grey2;
  grey2.Chunk("IHDR", Ihdr(4, 1, 2, 0)).Idat(Zlib({0, 0b00011011})).End();
  EXPECT_EQ(Skin(grey2.bytes).Row(0)[0], 0x05);
  EXPECT_NE(Codec(grey2.bytes).Pixels->View().Row(0)[0], 0x05);

}

}  // namespace
}  // namespace skin
