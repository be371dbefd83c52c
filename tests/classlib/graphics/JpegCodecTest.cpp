#include "classlib/graphics/JpegCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>

#include <jpeglib.h>

using classlib::DecodeJpeg;
using classlib::EInvalidGraphic;
using classlib::EncodeJpeg;
using classlib::JpegImageData;
using classlib::JpegPixelFormat;
using classlib::JpegPixels;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A smooth, photo-like picture: gradients in each channel, stored in rows of
// `stride` bytes whose padding holds a value a decoder would never produce.
JpegImageData MakePicture(int width, int height, JpegPixelFormat format, std::size_t padding) {
  JpegImageData image;
  image.width = width;
  image.height = height;
  image.format = format;
  const int bpp = classlib::JpegBytesPerPixel(format);
  image.stride = static_cast<std::size_t>(width * bpp) + padding;
  image.pixels.assign(image.stride * height, 0xA5);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = &image.pixels[y * image.stride + x * bpp];
      p[0] = static_cast<std::uint8_t>(40 + x * 170 / width);
      p[1] = static_cast<std::uint8_t>(30 + y * 190 / height);
      p[2] = static_cast<std::uint8_t>(20 + (x + y) * 200 / (width + height));
      if (bpp == 4) p[3] = 0;
    }
  }
  return image;
}

int MaxColourError(const JpegImageData& a, const JpegImageData& b) {
  const int bppA = classlib::JpegBytesPerPixel(a.format);
  const int bppB = classlib::JpegBytesPerPixel(b.format);
  int worst = 0;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      for (int c = 0; c < 3; ++c) {
        const int va = a.pixels[y * a.stride + x * bppA + c];
        const int vb = b.pixels[y * b.stride + x * bppB + c];
        worst = std::max(worst, std::abs(va - vb));
      }
    }
  }
  return worst;
}

// Straight through libjpeg, for the kinds of file the encoder does not make.
Bytes CompressWithLibjpeg(int width, int height, int components, J_COLOR_SPACE input,
                          J_COLOR_SPACE file, const Bytes& samples) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = components;
  info.in_color_space = input;
  jpeg_set_defaults(&info);
  jpeg_set_colorspace(&info, file);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row =
        const_cast<unsigned char*>(samples.data() + info.next_scanline * width * components);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  Bytes bytes(out, out + size);
  std::free(out);
  jpeg_destroy_compress(&info);
  return bytes;
}

// Offset of the first segment with marker `code` (the byte after 0xFF).
std::size_t FindSegment(const Bytes& jpeg, std::uint8_t code) {
  std::size_t at = 2;  // after SOI
  while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
    if (jpeg[at + 1] == code) return at;
    at += 2 + (jpeg[at + 2] << 8 | jpeg[at + 3]);
  }
  ADD_FAILURE() << "no segment 0xFF" << std::hex << int(code);
  return 0;
}

Bytes SmallJpeg(bool progressive = false) {
  return EncodeJpeg(MakePicture(32, 24, JpegPixelFormat::Bgr24, 0).View(), 90, progressive);
}

}  // namespace

struct RoundTripCase {
  const char* name;
  JpegPixelFormat format;
  std::size_t padding;
  bool progressive;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class JpegRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(JpegRoundTrip, QualityHundredReadsBackWithinASmallError) {
  const RoundTripCase& c = GetParam();
  // Odd sizes: partial blocks at the right and bottom, and padded rows.
  const JpegImageData source = MakePicture(97, 61, c.format, c.padding);
  const Bytes jpeg = EncodeJpeg(source.View(), 100, c.progressive);

  const std::uint8_t sof = c.progressive ? 0xC2 : 0xC0;
  EXPECT_NE(FindSegment(jpeg, sof), 0u);

  const JpegImageData decoded = DecodeJpeg(jpeg, c.format);
  EXPECT_EQ(decoded.width, 97);
  EXPECT_EQ(decoded.height, 61);
  EXPECT_EQ(decoded.components, 3);
  EXPECT_EQ(decoded.format, c.format);
  const std::size_t rowBytes = 97u * classlib::JpegBytesPerPixel(c.format);
  EXPECT_EQ(decoded.stride, (rowBytes + 3) / 4 * 4);
  EXPECT_EQ(decoded.pixels.size(), decoded.stride * 61);
  EXPECT_LE(MaxColourError(source, decoded), 4);
  if (c.format == JpegPixelFormat::Bgra32) {
    for (int y = 0; y < decoded.height; ++y)
      for (int x = 0; x < decoded.width; ++x)
        ASSERT_EQ(decoded.pixels[y * decoded.stride + x * 4 + 3], 255) << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, JpegRoundTrip,
    testing::Values(RoundTripCase{"Bgr", JpegPixelFormat::Bgr24, 0, false},
                    RoundTripCase{"BgrPaddedRows", JpegPixelFormat::Bgr24, 5, false},
                    RoundTripCase{"Bgra", JpegPixelFormat::Bgra32, 0, false},
                    RoundTripCase{"BgrProgressive", JpegPixelFormat::Bgr24, 3, true},
                    RoundTripCase{"BgraProgressive", JpegPixelFormat::Bgra32, 0, true}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return info.param.name; });

TEST(JpegDecode, GreyscaleComesOutAsEqualBlueGreenRed) {
  const int width = 41, height = 23;
  Bytes grey(width * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) grey[y * width + x] = static_cast<std::uint8_t>(60 + 3 * x + y);
  const Bytes jpeg = CompressWithLibjpeg(width, height, 1, JCS_GRAYSCALE, JCS_GRAYSCALE, grey);

  const JpegImageData decoded = DecodeJpeg(jpeg);
  ASSERT_EQ(decoded.width, width);
  ASSERT_EQ(decoded.height, height);
  EXPECT_EQ(decoded.components, 1);
  int worst = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* p = &decoded.pixels[y * decoded.stride + x * 3];
      ASSERT_EQ(p[0], p[1]);
      ASSERT_EQ(p[1], p[2]);
      worst = std::max(worst, std::abs(p[0] - grey[y * width + x]));
    }
  }
  EXPECT_LE(worst, 6);
}

TEST(JpegDecode, CmykAndYcckAreRefused) {
  const int width = 16, height = 16;
  const Bytes cmyk(width * height * 4, 0x40);
  for (J_COLOR_SPACE file : {JCS_CMYK, JCS_YCCK}) {
    const Bytes jpeg = CompressWithLibjpeg(width, height, 4, JCS_CMYK, file, cmyk);
    try {
      DecodeJpeg(jpeg);
      ADD_FAILURE() << "colour space " << file << " decoded";
    } catch (const EInvalidGraphic& e) {
      EXPECT_NE(std::string(e.what()).find("CMYK"), std::string::npos) << e.what();
    }
  }
}

TEST(JpegDecode, HugeDimensionsAreRefusedBeforeAllocating) {
  struct Size {
    std::uint16_t width, height;
  };
  // The second one's BGR buffer is 4 GiB + 128 KiB: 32-bit sums would wrap to 128 KiB.
  for (const Size size : {Size{65000, 65000}, Size{43691, 32768}}) {
    Bytes jpeg = SmallJpeg();
    const std::size_t sof = FindSegment(jpeg, 0xC0);
    jpeg[sof + 5] = size.height >> 8;
    jpeg[sof + 6] = size.height & 0xFF;
    jpeg[sof + 7] = size.width >> 8;
    jpeg[sof + 8] = size.width & 0xFF;
    try {
      DecodeJpeg(jpeg);
      ADD_FAILURE() << size.width << " x " << size.height << " decoded";
    } catch (const EInvalidGraphic& e) {
      EXPECT_NE(std::string(e.what()).find("256 MiB"), std::string::npos) << e.what();
    }
  }
}

TEST(JpegDecode, EveryTruncationRaisesAndLeavesTheTargetAlone) {
  for (const bool progressive : {false, true}) {
    const Bytes jpeg = SmallJpeg(progressive);
    JpegImageData target = DecodeJpeg(jpeg);
    const Bytes before = target.pixels;
    for (std::size_t length = 0; length < jpeg.size(); ++length) {
      const std::span<const std::uint8_t> cut(jpeg.data(), length);
      EXPECT_THROW(target = DecodeJpeg(cut), EInvalidGraphic) << "length " << length;
    }
    EXPECT_EQ(target.width, 32);
    EXPECT_EQ(target.pixels, before);
  }
}

TEST(JpegDecode, CorruptFilesRaise) {
  const Bytes good = SmallJpeg();
  struct Damage {
    const char* name;
    Bytes bytes;
  };
  std::vector<Damage> cases;
  cases.push_back({"png signature", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13}});
  {
    Bytes b = good;
    b[FindSegment(b, 0xC0) + 9] = 0;  // no components
    cases.push_back({"no components", b});
  }
  {
    Bytes b = good;
    const std::size_t sof = FindSegment(b, 0xC0);
    b[sof + 7] = b[sof + 8] = 0;  // width 0
    cases.push_back({"zero width", b});
  }
  {
    Bytes b = good;
    const std::size_t dht = FindSegment(b, 0xC4);
    std::memset(&b[dht + 5], 0xFF, 16);  // code counts far above 256
    cases.push_back({"bad huffman table", b});
  }
  {
    Bytes b = good;
    const std::size_t sos = FindSegment(b, 0xDA);
    const std::size_t middle = (sos + b.size()) / 2;
    b[middle] = 0xFF;  // an end marker in the middle of the scan
    b[middle + 1] = 0xD9;
    cases.push_back({"end marker inside the scan", b});
  }
  for (const Damage& damage : cases) {
    try {
      DecodeJpeg(damage.bytes);
      ADD_FAILURE() << damage.name << " decoded";
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(std::string(e.what()).rfind("Cannot read the JPEG image: ", 0), 0u) << e.what();
    }
  }
}

// Whatever a damaged byte does, the decoder either raises or returns a whole
// image; under the sanitizers this also proves it never reads or writes astray.
TEST(JpegDecode, DamageAnywhereRaisesOrDecodes) {
  for (const bool progressive : {false, true}) {
    const Bytes good = SmallJpeg(progressive);
    for (std::size_t at = 0; at < good.size(); ++at) {
      for (const std::uint8_t value : {0x00, 0xFF, good[at] ^ 0x5A}) {
        Bytes b = good;
        b[at] = value;
        try {
          const JpegImageData image = DecodeJpeg(b);
          ASSERT_EQ(image.pixels.size(), image.stride * image.height);
        } catch (const EInvalidGraphic&) {
        }
      }
    }
  }
}

TEST(JpegEncode, BadArgumentsRaise) {
  const JpegImageData picture = MakePicture(8, 8, JpegPixelFormat::Bgr24, 0);
  const JpegPixels good = picture.View();
  struct Case {
    const char* name;
    JpegPixels pixels;
    int quality;
  };
  JpegPixels empty = good;
  empty.width = 0;
  JpegPixels shortStride = good;
  shortStride.stride = 23;
  JpegPixels shortBuffer = good;
  shortBuffer.bytes = shortBuffer.bytes.first(good.bytes.size() - 1);
  JpegPixels tooWide = good;  // libjpeg's own limit is 65500
  tooWide.width = 70000;
  tooWide.height = 1;
  const Bytes wideRow(70000 * 3);
  tooWide.bytes = wideRow;
  tooWide.stride = wideRow.size();
  for (const Case& c : {Case{"quality above 100", good, 101}, Case{"negative quality", good, -1},
                        Case{"empty", empty, 90}, Case{"short stride", shortStride, 90},
                        Case{"short buffer", shortBuffer, 90}, Case{"too wide", tooWide, 90}}) {
    EXPECT_THROW(EncodeJpeg(c.pixels, c.quality), EInvalidGraphic) << c.name;
  }
  EXPECT_FALSE(EncodeJpeg(good, 0).empty());
}
