// The skinning library's PNG graphic over the class library's bitmap:
// formats by colour type, alpha drawing with the mirror band, icons,
// stored data and the picture-class registration.
#ifdef _WIN32
#include <gtest/gtest.h>

#include <cstdlib>

#include "classlib/core/Utf8.h"
#include "classlib/graphics/Picture.h"
#include "png/PngObject.h"
#include "png/PngRegistration.h"
#include "skin/paint/PngGraphic_Gdi.h"
#include "tests/png/core/PngTestFiles.h"

namespace skin {
namespace {

using classlib::TBitmap;
using pngtest::Bytes;
using pngtest::Ihdr;
using pngtest::PngFile;
using pngtest::Zlib;

void LoadBytes(TPNGGraphic& g, const Bytes& file) {
  classlib::TMemoryStream s;
  s.WriteBuffer(file.data(), static_cast<int64_t>(file.size()));
  s.SetPosition(0);
  g.LoadFromStream(s);
}

Bytes OnePixelRows(uint32_t w, uint32_t h, uint8_t depth, uint8_t colorType, const Bytes& pixel,
                   const std::function<void(PngFile&)>& extra = {}) {
  Bytes raw;
  for (uint32_t y = 0; y < h; ++y) {
    raw.push_back(0);
    for (uint32_t x = 0; x < w; ++x) raw.insert(raw.end(), pixel.begin(), pixel.end());
  }
  PngFile f;
  f.Chunk("IHDR", Ihdr(w, h, depth, colorType));
  if (extra) extra(f);
  return f.Idat(Zlib(raw)).End().bytes;
}

uint32_t At(TBitmap& b, int x, int y) {
  GdiFlush();
  return reinterpret_cast<const uint32_t*>(b.ScanLine(y))[x];
}

// A white 32-bit canvas bitmap.
void White(TBitmap& canvas, int w, int h) {
  canvas.SetPixelFormat(classlib::pf32bit);
  canvas.SetSize(w, h);
  GdiFlush();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) reinterpret_cast<uint32_t*>(canvas.ScanLine(y))[x] = 0xFFFFFFFFu;
}

TEST(PngGraphic, PixelFormatsByColourType) {
  TPNGGraphic rgba;
  LoadBytes(rgba, OnePixelRows(2, 2, 8, 6, {10, 20, 30, 40}));
  EXPECT_EQ(rgba.PixelFormat(), classlib::pf32bit);
  EXPECT_EQ(At(rgba, 1, 1), 0x280A141Eu);
  TPNGGraphic rgba16;
  LoadBytes(rgba16, OnePixelRows(1, 1, 16, 6, {0xFF, 0x00, 0, 0, 0, 0, 0x80, 0x80}));
  EXPECT_EQ(At(rgba16, 0, 0), (uint32_t{0x8080 / 257} << 24) | 0xFE0000u);
  TPNGGraphic greyAlpha;
  LoadBytes(greyAlpha, OnePixelRows(2, 1, 8, 4, {90, 7}));
  EXPECT_EQ(greyAlpha.PixelFormat(), classlib::pf8bit);
  EXPECT_EQ(greyAlpha.ScanLine(0)[1], 90);
  TPNGGraphic grey2;
  LoadBytes(grey2, OnePixelRows(1, 1, 2, 0, {0b11000000}));
  EXPECT_EQ(grey2.PixelFormat(), classlib::pf4bit);
  EXPECT_EQ(grey2.ScanLine(0)[0] >> 4, 15);
  ASSERT_EQ(grey2.ColorTable().size(), 16u);
  EXPECT_EQ(grey2.ColorTable()[5].rgbRed, 85);
  TPNGGraphic rgb;
  LoadBytes(rgb, OnePixelRows(1, 1, 8, 2, {1, 2, 3}, [](PngFile& f) { f.Chunk("tRNS", {0, 1, 0, 2, 0, 3}); }));
  EXPECT_EQ(rgb.PixelFormat(), classlib::pf24bit);
  EXPECT_TRUE(rgb.Transparent());
  EXPECT_EQ(rgb.TransparentColor(), 0x030201);
  // A failure before the image data leaves an empty bitmap.
  TPNGGraphic bad;
  Bytes wrongType = OnePixelRows(1, 1, 4, 2, {0});
  EXPECT_THROW(LoadBytes(bad, wrongType), classlib::EInvalidGraphic);
  EXPECT_TRUE(bad.Empty());
}

TEST(PngGraphic, DrawBlendsByAlphaAndPaintsTheMirrorBand) {
  TPNGGraphic red;
  LoadBytes(red, OnePixelRows(4, 8, 8, 6, {255, 0, 0, 128}));
  TBitmap canvas;
  White(canvas, 6, 14);
  red.Draw(*canvas.Canvas(), classlib::Bounds(1, 1, 4, 8));
  EXPECT_EQ(At(canvas, 1, 1) & 0xFFFFFF, 0xFF7F7Fu);  // (255, 127, 127)
  EXPECT_EQ(At(canvas, 0, 0) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(At(canvas, 1, 9) & 0xFFFFFF, 0xFFFFFFu);  // no band without Reflected

  // Reflected at its own size: band of 4 rows below; row 8 (the copy's
  // bottom) untouched, rows 9..11 from source rows 6..4 at a third of the
  // alpha and falling levels (step 255 div 4 = 63).
  White(canvas, 6, 14);
  red.Reflected = true;
  red.Draw(*canvas.Canvas(), classlib::Bounds(1, 1, 4, 8));
  EXPECT_EQ(At(canvas, 1, 9) & 0xFFFFFF, 0xFFFFFFu);
  for (int y = 1, level = 255; y <= 3; ++y, level -= 63) {
    const int a = 128 / 3 * level / 255;
    const uint32_t gb = static_cast<uint32_t>(((0 - 255) * a + 255 * 256) >> 8);
    EXPECT_EQ(At(canvas, 2, 9 + y) & 0xFFFFFF, 0xFF0000u | (gb << 8) | gb) << y;
  }
  EXPECT_EQ(At(canvas, 2, 13) & 0xFFFFFF, 0xFFFFFFu);
  // Stretched: blended, no band.
  White(canvas, 6, 14);
  red.Draw(*canvas.Canvas(), classlib::Bounds(0, 0, 2, 4));
  EXPECT_EQ(At(canvas, 1, 3) & 0xFFFFFF, 0xFF7F7Fu);
  EXPECT_EQ(At(canvas, 1, 5) & 0xFFFFFF, 0xFFFFFFu);
  // An empty rectangle draws nothing.
  red.Draw(*canvas.Canvas(), classlib::Bounds(4, 4, 0, 3));
  EXPECT_EQ(At(canvas, 4, 4) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(PngGraphic, KeyedTwentyFourBitImagesShowTheCanvasThroughTheKey) {
  TPNGGraphic keyed;
  LoadBytes(keyed, OnePixelRows(2, 1, 8, 2, {1, 2, 3}, [](PngFile& f) { f.Chunk("tRNS", {0, 1, 0, 2, 0, 3}); }));
  TBitmap canvas;
  White(canvas, 2, 1);
  keyed.Draw(*canvas.Canvas(), classlib::Bounds(0, 0, 2, 1));
  EXPECT_EQ(At(canvas, 0, 0) & 0xFFFFFF, 0xFFFFFFu);
}

// The icon's mask bit at (x, y): true where transparent.
bool MaskBit(HICON icon, int x, int y) {
  ICONINFO info{};
  GetIconInfo(icon, &info);
  TBitmap mask;
  mask.SetHandle(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  mask.SetPixelFormat(classlib::pf1bit);
  GdiFlush();
  const bool bit = (mask.ScanLine(y)[x / 8] >> (7 - x % 8)) & 1;
  return bit;
}

TEST(PngGraphic, Icons) {
  TBitmap bmp;
  bmp.SetPixelFormat(classlib::pf24bit);
  bmp.SetSize(3, 2);
  GdiFlush();
  uint8_t* row = bmp.ScanLine(0);
  row[0] = 0xFF, row[1] = 0, row[2] = 0xFF;  // magenta at (0, 0)
  row[3] = 1, row[4] = 2, row[5] = 3;
  HICON icon = MakeIcon32(bmp, classlib::clWhite);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(bmp.PixelFormat(), classlib::pf32bit);
  EXPECT_TRUE(MaskBit(icon, 0, 0));
  EXPECT_FALSE(MaskBit(icon, 1, 0));
  EXPECT_FALSE(MaskBit(icon, 0, 1));
  DestroyIcon(icon);

  // Keyed by the top-left colour: (0, 0) is magenta, (2, 1) black like the rest.
  icon = MakeIconNoAlpha(bmp, true);
  ASSERT_NE(icon, nullptr);
  EXPECT_TRUE(MaskBit(icon, 0, 0));
  EXPECT_FALSE(MaskBit(icon, 1, 0));
  DestroyIcon(icon);
  icon = MakeIconNoAlpha(bmp, false);
  EXPECT_FALSE(MaskBit(icon, 0, 0));
  DestroyIcon(icon);

  TBitmap empty;
  EXPECT_EQ(MakeIcon32(empty, classlib::clWhite), nullptr);
  EXPECT_EQ(MakeIconNoAlpha(empty, true), nullptr);

  TBitmap white;
  White(white, 2, 1);
  reinterpret_cast<uint32_t*>(white.ScanLine(0))[0] = 0x00FFFFFFu;
  ClearTransparentWhite(white);
  EXPECT_EQ(At(white, 0, 0), 0u);
  EXPECT_EQ(At(white, 1, 0), 0xFFFFFFFFu);
}

TEST(PngGraphic, StoredDataIsBmpAndPngFilesOpenAsTheCodecsObject) {
  TPNGGraphic original;
  LoadBytes(original, OnePixelRows(3, 2, 8, 6, {200, 100, 50, 77}));
  classlib::TMemoryStream stored;
  original.WriteData(stored);
  stored.SetPosition(0);
  TPNGGraphic copy;
  copy.ReadData(stored);  // BMP data, read by the bitmap's own reader
  EXPECT_EQ(copy.PixelFormat(), classlib::pf32bit);
  EXPECT_EQ(At(copy, 2, 1), 0x4DC86432u);

  RegisterPngGraphic();
  const classlib::TGraphicClass* found = classlib::TPicture::FindFileFormat(L".png");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->Name, L"TPNGGraphic");
  png::RegisterPngFormat();
  EXPECT_EQ(classlib::TPicture::FindFileFormat(L"png")->Name, L"TPNGObject");
  UnregisterPngGraphic();
  png::UnregisterPngFormat();
}


// A reflected disc over a checkerboard, the way button glyphs are drawn;
// with TESSARILO_PICTURE_DIR set the result is saved there to look at.
TEST(PngGraphic, ReflectedDiscOverACheckerboard) {
  const uint32_t size = 48;
  Bytes raw;
  for (uint32_t y = 0; y < size; ++y) {
    raw.push_back(0);
    for (uint32_t x = 0; x < size; ++x) {
      const int dx = int(x) - 24, dy = int(y) - 24, d2 = dx * dx + dy * dy;
      const uint8_t a = d2 < 400 ? 255 : d2 < 484 ? 128 : 0;
      raw.insert(raw.end(), {uint8_t(40 + 4 * x), 90, uint8_t(230 - 3 * y), a});
    }
  }
  PngFile f;
  f.Chunk("IHDR", Ihdr(size, size, 8, 6)).Idat(Zlib(raw)).End();
  TPNGGraphic disc;
  LoadBytes(disc, f.bytes);
  disc.Reflected = true;
  TBitmap board;
  board.SetPixelFormat(classlib::pf32bit);
  board.SetSize(96, 96);
  GdiFlush();
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 96; ++x)
      reinterpret_cast<uint32_t*>(board.ScanLine(y))[x] = ((x / 8 + y / 8) % 2) ? 0xFFC0C0C0u : 0xFFFFFFFFu;
  disc.Draw(*board.Canvas(), classlib::Bounds(24, 8, 48, 48));
  // Opaque centre, checkerboard outside the disc, faded mirror below.
  EXPECT_EQ(At(board, 48, 32) & 0xFFFFFF, 0x885A9Eu);
  EXPECT_EQ(At(board, 25, 9) & 0xFFFFFF, 0xFFFFFFu);  // a white square of the board
  const uint32_t mirrored = At(board, 48, 8 + 48 + 4) & 0xFFFFFF;
  EXPECT_NE(mirrored, 0xFFFFFFu);
  EXPECT_NE(mirrored, 0xC0C0C0u);
  if (const char* dir = std::getenv("TESSARILO_PICTURE_DIR")) board.SaveToFile(classlib::Utf8ToWide(std::string(dir) + "/reflected.bmp"));
}

}  // namespace
}  // namespace skin
#endif
