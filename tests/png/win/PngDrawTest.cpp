// Drawing, conversion to bitmaps, pixel access, resizing and the picture
// registration.
#include <gtest/gtest.h>

#include <cstring>

#include "classlib/graphics/Picture.h"
#include "png/PngObject.h"
#include "png/PngRegistration.h"
#include "tests/png/win/PngWinTestSupport.h"

namespace {

using namespace png;
using namespace pngwin;
using namespace pngtest;
using classlib::TBitmap;

// A 24-bit bitmap filled with one colour.
std::unique_ptr<TBitmap> Backdrop(int w, int h, classlib::TColor color) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(classlib::pf24bit);
  b->SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = b->ScanLine(y) + 3 * x;
      p[0] = uint8_t(color >> 16), p[1] = uint8_t(color >> 8), p[2] = uint8_t(color);
    }
  return b;
}

classlib::TColor PixelOf(TBitmap& b, int x, int y) {
  GdiFlush();
  const uint8_t* p = b.ScanLine(y) + 3 * x;
  return Rgb(p[2], p[1], p[0]);
}

Bytes RgbFile(uint32_t w, uint32_t h, const Bytes& rows, int ct = 2, const Bytes& extra = {}) {
  PngFile f;
  f.Chunk("IHDR", Ihdr(w, h, 8, uint8_t(ct)));
  if (!extra.empty()) f.Chunk("tRNS", extra);
  return f.Idat(Zlib(rows)).End().bytes;
}

TEST(PngDrawTest, OpaqueImagesDrawAndConvertExactly) {
  TPNGObject image;
  Load(image, RgbFile(3, 2, {0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
  EXPECT_EQ(image.TransparencyMode(), 0);
  auto target = Backdrop(3, 2, 0);
  target->Canvas()->Draw(0, 0, &image);
  EXPECT_EQ(PixelOf(*target, 0, 0), Rgb(255, 0, 0));
  EXPECT_EQ(PixelOf(*target, 2, 0), Rgb(0, 0, 255));
  EXPECT_EQ(PixelOf(*target, 1, 1), Rgb(40, 50, 60));

  TBitmap copy;
  copy.Assign(&image);
  EXPECT_EQ(copy.PixelFormat(), classlib::pf24bit);
  EXPECT_EQ(PixelOf(copy, 2, 1), Rgb(70, 80, 90));

  // A palette image becomes an 8-bit bitmap with the same colours.
  TPNGObject palette;
  Load(palette, PngFile()
                    .Chunk("IHDR", Ihdr(2, 1, 8, 3))
                    .Chunk("PLTE", {200, 100, 50, 1, 2, 3, 9, 9, 9})
                    .Idat(Zlib({0, 2, 0}))
                    .End()
                    .bytes);
  TBitmap indexed;
  indexed.Assign(&palette);
  EXPECT_EQ(indexed.PixelFormat(), classlib::pf8bit);
  const auto table = indexed.ColorTable();
  const uint8_t* row = indexed.ScanLine(0);
  EXPECT_EQ(Rgb(table[row[0]].rgbRed, table[row[0]].rgbGreen, table[row[0]].rgbBlue), Rgb(9, 9, 9));
  EXPECT_EQ(Rgb(table[row[1]].rgbRed, table[row[1]].rgbGreen, table[row[1]].rgbBlue), Rgb(200, 100, 50));
}

TEST(PngDrawTest, ClipboardFormRoundTripsThroughABitmap) {
  TPNGObject image;
  Load(image, RgbFile(3, 2, {0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
  UINT format = 0;
  HANDLE data = nullptr;
  HPALETTE palette = nullptr;
  image.SaveToClipboardFormat(format, data, palette);
  ASSERT_EQ(format, UINT{CF_BITMAP});
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(palette, nullptr);

  TPNGObject back;
  back.LoadFromClipboardFormat(format, data, palette);
  DeleteObject(data);
  EXPECT_EQ(back.Width(), 3);
  EXPECT_EQ(back.Height(), 2);
  EXPECT_EQ(back.Header()->ColorType(), COLOR_RGB);
  auto target = Backdrop(3, 2, 0);
  target->Canvas()->Draw(0, 0, &back);
  EXPECT_EQ(PixelOf(*target, 0, 0), Rgb(255, 0, 0));
  EXPECT_EQ(PixelOf(*target, 1, 1), Rgb(40, 50, 60));

  EXPECT_THROW(back.LoadFromClipboardFormat(CF_UNICODETEXT, data, nullptr), classlib::EInvalidGraphic);
  EXPECT_EQ(back.Width(), 3);  // a refused format leaves the image alone
}

TEST(PngDrawTest, KeyColourPaletteImagesLeaveTheKeyTransparent) {
  TPNGObject image;
  Load(image, PngFile()
                  .Chunk("IHDR", Ihdr(2, 1, 8, 3))
                  .Chunk("PLTE", {200, 100, 50, 1, 2, 3})
                  .Chunk("tRNS", {0, 255})
                  .Idat(Zlib({0, 0, 1}))
                  .End()
                  .bytes);
  EXPECT_EQ(image.TransparencyMode(), 1);
  EXPECT_TRUE(image.Transparent());
  EXPECT_EQ(image.TransparentColor(), Rgb(200, 100, 50));
  auto target = Backdrop(2, 1, Rgb(0, 128, 0));
  target->Canvas()->Draw(0, 0, &image);
  EXPECT_EQ(PixelOf(*target, 0, 0), Rgb(0, 128, 0));
  EXPECT_EQ(PixelOf(*target, 1, 0), Rgb(1, 2, 3));

  TBitmap copy;
  copy.Assign(&image);
  EXPECT_TRUE(copy.Transparent());
  EXPECT_EQ(copy.TransparentColor(), Rgb(200, 100, 50));
}

TEST(PngDrawTest, AlphaImagesBlendOverTheDestination) {
  TPNGObject image;
  Load(image, RgbFile(3, 1, {0, 200, 100, 50, 0, 200, 100, 50, 128, 200, 100, 50, 255}, 6));
  EXPECT_EQ(image.TransparencyMode(), 2);
  auto target = Backdrop(3, 1, Rgb(10, 20, 30));
  target->Canvas()->Draw(0, 0, &image);
  EXPECT_EQ(PixelOf(*target, 0, 0), Rgb(10, 20, 30));
  auto blend = [](int c, int d) { return (c * 128 + 255 + 127 * d) >> 8; };
  EXPECT_EQ(PixelOf(*target, 1, 0), Rgb(blend(200, 10), blend(100, 20), blend(50, 30)));
  EXPECT_EQ(PixelOf(*target, 2, 0), Rgb(200, 100, 50));

  // Stretched to twice the size, each image pixel covers two.
  auto wide = Backdrop(6, 1, Rgb(10, 20, 30));
  wide->Canvas()->StretchDraw(classlib::Rect(0, 0, 6, 1), &image);
  EXPECT_EQ(PixelOf(*wide, 1, 0), Rgb(10, 20, 30));
  EXPECT_EQ(PixelOf(*wide, 5, 0), Rgb(200, 100, 50));

  // A palette with two partly transparent entries blends too.
  TPNGObject palette;
  Load(palette, PngFile()
                    .Chunk("IHDR", Ihdr(2, 1, 8, 3))
                    .Chunk("PLTE", {200, 100, 50, 1, 2, 3})
                    .Chunk("tRNS", {0, 128})
                    .Idat(Zlib({0, 0, 1}))
                    .End()
                    .bytes);
  EXPECT_EQ(palette.TransparencyMode(), 2);
  auto under = Backdrop(2, 1, Rgb(10, 20, 30));
  under->Canvas()->Draw(0, 0, &palette);
  EXPECT_EQ(PixelOf(*under, 0, 0), Rgb((255 + 255 * 10) >> 8, (255 + 255 * 20) >> 8, (255 + 255 * 30) >> 8));
  EXPECT_EQ(PixelOf(*under, 1, 0), Rgb(blend(1, 10), blend(2, 20), blend(3, 30)));
}

TEST(PngDrawTest, PixelAccess) {
  TPNGObject image;
  Load(image, RgbFile(2, 1, {0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(image.Pixels(1, 0), Rgb(4, 5, 6));
  EXPECT_EQ(image.Pixels(-1, 0), 0);
  EXPECT_EQ(image.Pixels(2, 0), 0);
  image.SetPixels(-1, 0, Rgb(9, 9, 9));
  image.SetPixels(0, 0, Rgb(7, 8, 9));
  EXPECT_EQ(image.Pixels(0, 0), Rgb(7, 8, 9));
  EXPECT_EQ(image.Scanline(0)[0], 9);  // stored blue, green, red

  TPNGObject palette;
  Load(palette, PngFile()
                    .Chunk("IHDR", Ihdr(2, 1, 8, 3))
                    .Chunk("PLTE", {200, 100, 50, 1, 2, 3})
                    .Idat(Zlib({0, 1, 5}))
                    .End()
                    .bytes);
  EXPECT_EQ(palette.Pixels(0, 0), Rgb(1, 2, 3));
  try {
    palette.Pixels(1, 0);
    FAIL();
  } catch (const EPngError& e) {
    EXPECT_EQ(e.Message(), L"There is no such palette entry.");
  }

  TPNGObject grey;
  Load(grey, PngFile().Chunk("IHDR", Ihdr(2, 1, 1, 0)).Idat(Zlib({0, 0x40})).End().bytes);
  EXPECT_EQ(grey.Pixels(0, 0), 0);
  EXPECT_EQ(grey.Pixels(1, 0), Rgb(255, 255, 255));
}

TEST(PngDrawTest, ResizeKeepsTheTopLeftCorner) {
  TPNGObject image;
  Bytes rows;
  for (int y = 0; y < 10; ++y) {
    rows.push_back(0);
    for (int x = 0; x < 10; ++x) rows.insert(rows.end(), {uint8_t(x), uint8_t(y), 7, uint8_t(10 * y + x)});
  }
  Load(image, RgbFile(10, 10, rows, 6));
  image.Resize(20, 5);
  EXPECT_EQ(image.Width(), 20);
  EXPECT_EQ(image.Height(), 5);
  EXPECT_EQ(image.Pixels(9, 4), Rgb(9, 4, 7));
  EXPECT_EQ(image.AlphaScanline(4)[9], 49);
  EXPECT_EQ(image.AlphaScanline(0)[15], 255);
  image.Resize(10, 10);
  EXPECT_EQ(image.Pixels(3, 2), Rgb(3, 2, 7));
  EXPECT_EQ(image.AlphaScanline(2)[3], 23);
  EXPECT_EQ(image.AlphaScanline(7)[3], 255);
  // Saved, the header carries the new size.
  EXPECT_EQ(ListChunks(Save(image))[0].data, Ihdr(10, 10, 8, 6));

  EXPECT_THROW(image.SetWidth(0), EPNGInvalidNewSize);
  EXPECT_THROW(image.SetHeight(-3), EPNGInvalidNewSize);
  EXPECT_EQ(image.Width(), 10);
  EXPECT_EQ(image.Height(), 10);
  image.SetWidth(4);
  EXPECT_EQ(image.Width(), 4);
  EXPECT_EQ(image.Height(), 10);
}

TEST(PngDrawTest, ResizeKeepsSixteenBitLowBytes) {
  TPNGObject image;
  Load(image, PngFile().Chunk("IHDR", Ihdr(2, 2, 16, 0)).Idat(Zlib({0, 1, 2, 3, 4, 0, 5, 6, 7, 8})).End().bytes);
  image.Resize(1, 3);
  EXPECT_EQ(image.Scanline(0)[0], 1);
  EXPECT_EQ(image.ExtraScanline(0)[0], 2);
  EXPECT_EQ(image.ExtraScanline(1)[0], 6);
  EXPECT_EQ(image.ExtraScanline(2)[0], 0);
}

class TStandInPng : public TBitmap {};

TEST(PngDrawTest, PngFilesOpenedThroughThePictureBecomePngObjects) {
  const std::wstring name = L"h10_png_picture.png";
  {
    TPNGObject image;
    Load(image, RgbFile(2, 1, {0, 1, 2, 3, 4, 5, 6}));
    image.SaveToFile(name);
  }
  classlib::TPicture::RegisterFileFormat<TStandInPng>(L"png", L"Stand-in skin PNG graphic");
  RegisterPngFormat();
  classlib::TPicture picture;
  picture.LoadFromFile(name);
  auto* loaded = dynamic_cast<TPNGObject*>(picture.Graphic());
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->Pixels(1, 0), Rgb(4, 5, 6));
  UnregisterPngFormat();
  classlib::TPicture::UnregisterGraphicClass<TStandInPng>();
  DeleteFileW(name.c_str());
}

}  // namespace
