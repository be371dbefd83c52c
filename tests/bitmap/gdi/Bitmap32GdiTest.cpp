#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "bitmap/Bmp32_Gdi.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Icon.h"
#include "classlib/graphics/JpegImage.h"
#include "classlib/graphics/Picture.h"
#include "classlib/core/PropertyRegistry.h"

namespace bmp32 {
namespace {

using classlib::TBitmap;

// A 24-bit class-library bitmap, w x h, pixel (x, y) = colour(x, y) as 0x00RRGGBB.
template <class F>
void Make24(TBitmap& b, int w, int h, F colour) {
  b.SetPixelFormat(classlib::pf24bit);
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = b.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      const std::uint32_t c = colour(x, y);
      row[x * 3] = static_cast<std::uint8_t>(c);
      row[x * 3 + 1] = static_cast<std::uint8_t>(c >> 8);
      row[x * 3 + 2] = static_cast<std::uint8_t>(c >> 16);
    }
  }
}

TEST(Bitmap32Gdi, SectionStartsTransparentBlackWithHandles) {
  TBitmap32 b;
  int handleChanges = 0;
  b.SetOnHandleChanged([&](classlib::TObject*) { ++handleChanges; });
  EXPECT_EQ(b.Handle(), nullptr);
  b.SetSize(5, 3);
  EXPECT_NE(b.Handle(), nullptr);
  EXPECT_NE(b.BitmapHandle(), nullptr);
  EXPECT_GE(handleChanges, 1);
  for (int i = 0; i < 15; ++i) EXPECT_EQ(b.Bits()[i], 0u);
  // GDI draws on the same pixels.
  SetPixelV(b.Handle(), 2, 1, RGB(10, 20, 30));
  GdiFlush();
  EXPECT_EQ(b.Pixel(2, 1) & 0xFFFFFF, 0x0A141Eu);
  b.SetSize(0, 0);
  EXPECT_EQ(b.Handle(), nullptr);

  RegisterBitmap32GdiClasses();
  const classlib::TClassInfo* info = classlib::ClassInfoOf(&b);
  EXPECT_EQ(info->Name, L"TBitmap32");
  EXPECT_NE(info->FindProperty(L"OnHandleChanged"), nullptr);
  EXPECT_NE(info->FindProperty(L"DrawMode"), nullptr);
}

TEST(Bitmap32Gdi, ToColor32) {
  EXPECT_EQ(ToColor32(0x00FF8040), 0xFF4080FFu);  // 0x00BBGGRR in, ARGB out
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  EXPECT_EQ(ToColor32(classlib::clWindow), 0xFF000000u | (GetRValue(window) << 16) | (GetGValue(window) << 8) |
                                               GetBValue(window));
}

TEST(Bitmap32Gdi, CopiesToTheClassLibraryBitmapAsA32BitDib) {
  for (bool gdi : {true, false}) {
    std::unique_ptr<TCustomBitmap32> b(gdi ? static_cast<TCustomBitmap32*>(new TBitmap32) : new TCustomBitmap32);
    b->SetSize(3, 2);
    for (int i = 0; i < 6; ++i) b->Bits()[i] = 0x80000000u + 0x010203u * static_cast<TColor32>(i + 1);
    TBitmap target;
    target.Assign(b.get());
    EXPECT_EQ(target.PixelFormat(), classlib::pf32bit);
    EXPECT_EQ(target.HandleType(), classlib::bmDIB);
    ASSERT_EQ(target.Width(), 3);
    ASSERT_EQ(target.Height(), 2);
    for (int y = 0; y < 2; ++y)
      EXPECT_EQ(0, std::memcmp(target.ScanLine(y), b->ScanLine(y), 12)) << "row " << y << " gdi " << gdi;

    b->SetSize(0, 0);
    target.Assign(b.get());
    EXPECT_EQ(target.Width(), 0);
    EXPECT_EQ(target.Height(), 0);
  }
  TBitmap32 source;
  source.SetSize(2, 2);
  source.Clear(0xFF336699);
  classlib::TPicture picture;
  picture.Assign(&source);
  ASSERT_NE(picture.Graphic(), nullptr);
  EXPECT_EQ(picture.Width(), 2);
}

TEST(Bitmap32Gdi, TakesA24BitBitmapOpaqueAndItsTransparentColourClear) {
  TBitmap source;
  Make24(source, 4, 2, [](int x, int y) { return x == 1 ? 0xFF0000u : 0x000010u * (x + 1) + 0x100000u * y; });
  for (bool gdi : {true, false}) {
    std::unique_ptr<TCustomBitmap32> b(gdi ? static_cast<TCustomBitmap32*>(new TBitmap32) : new TCustomBitmap32);
    b->Assign(&source);
    ASSERT_EQ(b->Width(), 4);
    EXPECT_EQ(b->Pixel(1, 0), 0xFFFF0000u);
    EXPECT_EQ(b->Pixel(3, 1), 0xFF100040u);
    if (!gdi) {
      EXPECT_EQ(dynamic_cast<TGDIBackend*>(b->Backend().get()), nullptr);  // its own backend back
    }
  }
  source.SetTransparentColor(classlib::clRed);  // the column x == 1
  source.SetTransparent(true);
  TBitmap32 b;
  b.Assign(&source);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(b.Pixel(x, y) >> 24, x == 1 ? 0u : 255u) << x << "," << y;
  EXPECT_EQ(b.Pixel(1, 1), 0x00FF0000u);
}

TEST(Bitmap32Gdi, AnIconWithoutAlphaIsMaskedByItsShape) {
  // 4 x 4: the AND mask clears the left half (opaque), the colour is green.
  // Monochrome rows are padded to 16 bits.
  const std::uint8_t andBits[4 * 2] = {0x3F, 0, 0x3F, 0, 0x3F, 0, 0x3F, 0};
  TBitmap colour;
  Make24(colour, 4, 4, [](int, int) { return 0x00C000u; });
  HBITMAP mask = CreateBitmap(4, 4, 1, 1, andBits);
  ICONINFO info{TRUE, 0, 0, mask, colour.Handle()};
  classlib::TIcon icon;
  icon.SetHandle(CreateIconIndirect(&info));
  DeleteObject(mask);
  ASSERT_FALSE(icon.Empty());
  TBitmap32 b;
  b.Assign(&icon);
  ASSERT_EQ(b.Width(), icon.Width());
  EXPECT_EQ(b.Pixel(0, 0) >> 24, 255u);
  EXPECT_EQ(b.Pixel(0, 0) & 0xFFFFFF, 0x00C000u);
  EXPECT_EQ(b.Pixel(3, 3) >> 24, 0u);
}

TEST(Bitmap32Gdi, LoadsOtherBmpsAndPicturesThroughTheClassLibrary) {
  const auto dir = std::filesystem::temp_directory_path();
  TBitmap source;
  Make24(source, 3, 2, [](int x, int y) { return 0x204060u + 0x010101u * static_cast<std::uint32_t>(x + 3 * y); });

  classlib::TMemoryStream stream;
  source.SaveToStream(stream);
  stream.SetPosition(0);
  TBitmap32 b;
  b.LoadFromStream(stream);  // 24 bits: through the class library's bitmap
  ASSERT_EQ(b.Width(), 3);
  EXPECT_EQ(b.Pixel(2, 1), 0xFF254565u);
  EXPECT_EQ(b.Pixel(0, 0), 0xFF204060u);

  const auto jpeg = dir / "h9_bitmap32_picture.jpg";
  classlib::TJPEGImage image;
  image.Assign(&source);
  image.SaveToFile(jpeg.wstring());
  TCustomBitmap32 fromJpeg;
  fromJpeg.LoadFromFile(jpeg.wstring());
  EXPECT_EQ(fromJpeg.Width(), 3);
  EXPECT_EQ(fromJpeg.Height(), 2);
  EXPECT_EQ(fromJpeg.Pixel(1, 1) >> 24, 255u);
  std::filesystem::remove(jpeg);

  const auto unknown = dir / "h9_bitmap32_picture.xyz";
  std::ofstream(unknown, std::ios::binary) << std::string(64, 'x');
  EXPECT_THROW(fromJpeg.LoadFromFile(unknown.wstring()), classlib::EInvalidGraphic);
  EXPECT_EQ(fromJpeg.Width(), 3);  // unchanged
  std::filesystem::remove(unknown);
}

TEST(Bitmap32Gdi, TextIsDrawnInTheFontColourAndReported) {
  TBitmap32 b;
  EXPECT_GT(b.TextWidth(L"Zegarek"), 0);  // measured without a DC of its own
  b.SetSize(80, 30);
  b.Font()->SetColor(classlib::clWhite);
  b.Font()->SetHeight(-16);
  std::vector<TRect> areas;
  b.SetOnAreaChanged([&](classlib::TObject*, const TRect& r, std::uint32_t) { areas.push_back(r); });
  const SIZE extent = b.TextExtent(L"Zegarek");
  EXPECT_GT(extent.cx, 0);

  b.BeginAreaMeasuring([&](classlib::TObject*, const TRect& r, std::uint32_t) { areas.push_back(r); });
  b.Textout(2, 3, L"Zegarek");
  b.EndAreaMeasuring();
  GdiFlush();
  int lit = 0;
  for (int i = 0; i < 80 * 30; ++i) lit += (b.Bits()[i] & 0xFFFFFF) != 0;
  EXPECT_EQ(lit, 0);  // measuring draws nothing
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_EQ(areas[0], (TRect{2, 3, 2 + extent.cx + 1, 3 + extent.cy + 1}));

  b.Textout(2, 3, L"Zegarek");
  GdiFlush();
  for (int i = 0; i < 80 * 30; ++i) lit += (b.Bits()[i] & 0xFFFFFF) == 0xFFFFFF;
  EXPECT_GT(lit, 10);
  ASSERT_EQ(areas.size(), 2u);

  b.Textout(TRect{0, 0, 80, 30}, DT_CENTER, L"Zegarek");
  EXPECT_EQ(areas.back(), (TRect{0, 0, 80, 30}));
}

TEST(Bitmap32Gdi, CanvasDrawsOnThePixelsAndReportsChanges) {
  TBitmap32 b;
  b.SetSize(4, 4);
  int changes = 0;
  b.SetOnChange([&](classlib::TObject*) { ++changes; });
  classlib::TCanvas* canvas = b.Canvas();
  ASSERT_NE(canvas, nullptr);
  canvas->Brush()->SetColor(classlib::clRed);
  canvas->FillRect({1, 1, 3, 3});
  GdiFlush();
  EXPECT_EQ(b.Pixel(2, 2) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(b.Pixel(0, 0), 0u);
  EXPECT_GT(changes, 0);

  b.SetSize(6, 6);  // a new surface: the canvas is made again on it
  b.Canvas()->Brush()->SetColor(classlib::clLime);
  b.Canvas()->FillRect({0, 0, 6, 6});
  GdiFlush();
  EXPECT_EQ(b.Pixel(5, 5) & 0xFFFFFF, 0x00FF00u);
}

TEST(Bitmap32Gdi, AssignBetweenTBitmap32sCopiesTheFont) {
  TBitmap32 a, b;
  a.SetSize(2, 2);
  a.Clear(0xFF010203);
  a.Font()->SetName(L"Courier New");
  b.Assign(&a);
  EXPECT_EQ(b.Font()->Name(), L"Courier New");
  EXPECT_EQ(b.Pixel(1, 1), 0xFF010203u);
}

}  // namespace
}  // namespace bmp32
