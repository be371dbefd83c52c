#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "classlib/core/FileStream.h"
#include "classlib/graphics/Bitmap.h"

namespace classlib {
namespace {

// Fills every row (padding too) with bytes that differ per row and column.
void FillPattern(TBitmap& bitmap) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* row = bitmap.ScanLine(y);
    for (int i = 0; i < bitmap.RowBytes(); ++i) row[i] = static_cast<uint8_t>(y * 37 + i * 11 + 5);
  }
}

void ExpectSamePixels(TBitmap& a, TBitmap& b) {
  ASSERT_EQ(a.Width(), b.Width());
  ASSERT_EQ(a.Height(), b.Height());
  ASSERT_EQ(a.PixelFormat(), b.PixelFormat());
  const size_t bytes = (static_cast<size_t>(a.Width()) * BitsPerPixelOf(a.PixelFormat()) + 7) / 8;
  for (int y = 0; y < a.Height(); ++y) ASSERT_EQ(0, std::memcmp(a.ScanLine(y), b.ScanLine(y), bytes)) << "row " << y;
}

std::vector<uint8_t> SaveBytes(TBitmap& bitmap) {
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return stream.Bytes();
}

void LoadBytes(TBitmap& bitmap, const std::vector<uint8_t>& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
  bitmap.LoadFromStream(stream);
}

class BmpRoundTrip : public testing::TestWithParam<TPixelFormat> {};

TEST_P(BmpRoundTrip, PixelsAndColourTableSurvive) {
  TBitmap source;
  source.SetPixelFormat(GetParam());
  source.SetSize(13, 7);  // odd width: rows need padding at every depth
  FillPattern(source);
  if (BitsPerPixelOf(GetParam()) <= 8) {
    std::vector<RGBQUAD> colors = source.ColorTable();
    colors[1] = RGBQUAD{10, 20, 30, 0};
    source.SetColorTable(colors);
  }
  TBitmap loaded;
  LoadBytes(loaded, SaveBytes(source));
  ExpectSamePixels(source, loaded);
  EXPECT_EQ(source.ColorTable().size(), loaded.ColorTable().size());
  if (BitsPerPixelOf(GetParam()) <= 8) {
    EXPECT_EQ(loaded.ColorTable()[1].rgbGreen, 20);
  }
}

INSTANTIATE_TEST_SUITE_P(EachFormat, BmpRoundTrip, testing::Values(pf1bit, pf4bit, pf8bit, pf24bit, pf32bit));

TEST(Bitmap, FileHeaderAndBottomUpRows) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(2, 2);
  bitmap.ScanLine(0)[0] = 0xAA;  // top row
  bitmap.ScanLine(1)[0] = 0xBB;
  const std::vector<uint8_t> bytes = SaveBytes(bitmap);
  ASSERT_EQ(bytes.size(), 14u + 40u + 16u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(bytes[10], 54);           // pixel offset
  EXPECT_EQ(bytes[54], 0xBB);         // the file starts with the bottom row
  EXPECT_EQ(bytes[54 + 8], 0xAA);
}

// A 2 x 2 24-bit BMP with a negative height: rows stored top row first.
std::vector<uint8_t> TopDownBmp() {
  std::vector<uint8_t> b = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0,
                            0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 24, 0};
  b.resize(54, 0);
  const uint8_t rows[16] = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
  b.insert(b.end(), rows, rows + 16);
  return b;
}

TEST(Bitmap, ReadsTopDownFiles) {
  TBitmap bitmap;
  LoadBytes(bitmap, TopDownBmp());
  ASSERT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.ScanLine(0)[0], 1);
  EXPECT_EQ(bitmap.ScanLine(1)[0], 7);
  EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
}

TEST(Bitmap, BadFilesRaiseAndLeaveTheBitmapAlone) {
  const std::vector<uint8_t> good = TopDownBmp();
  auto with = [&](size_t at, std::vector<uint8_t> bytes) {
    std::vector<uint8_t> b = good;
    std::copy(bytes.begin(), bytes.end(), b.begin() + at);
    return b;
  };
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"signature", with(0, {'X'})},
      {"header size", with(14, {99})},
      {"16 bits", with(28, {16})},
      {"RLE", with(30, {1})},
      {"zero width", with(18, {0})},
      {"huge", with(18, {0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0})},
      {"palette too long", [] {
         std::vector<uint8_t> b = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0,
                                   1, 0, 1, 0};
         b.resize(54, 0);
         b[46] = 3;  // three colours for 1 bit
         return b;
       }()},
      {"truncated pixels", std::vector<uint8_t>(good.begin(), good.end() - 5)},
      {"truncated header", std::vector<uint8_t>(good.begin(), good.begin() + 20)},
      {"empty", {}},
  };
  for (const Case& c : cases) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf8bit);
    bitmap.SetSize(3, 3);
    bitmap.ScanLine(1)[1] = 42;
    EXPECT_THROW(LoadBytes(bitmap, c.bytes), EInvalidGraphic) << c.name;
    EXPECT_EQ(bitmap.Width(), 3) << c.name;
    EXPECT_EQ(bitmap.PixelFormat(), pf8bit) << c.name;
    EXPECT_EQ(bitmap.ScanLine(1)[1], 42) << c.name;
  }
}

TEST(Bitmap, EveryTruncationRaisesAndDamagedHeadersNeverCrash) {
  TBitmap source;
  source.SetPixelFormat(pf8bit);
  source.SetSize(5, 3);
  FillPattern(source);
  const std::vector<uint8_t> good = SaveBytes(source);
  for (size_t size = 0; size < good.size(); ++size) {
    TBitmap bitmap;
    EXPECT_THROW(LoadBytes(bitmap, std::vector<uint8_t>(good.begin(), good.begin() + size)), EInvalidGraphic)
        << size << " bytes";
  }
  // Each header byte set to a few hostile values: the load succeeds or
  // raises EInvalidGraphic.
  for (size_t at = 0; at < 54; ++at) {
    for (uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
      std::vector<uint8_t> bad = good;
      bad[at] = value;
      TBitmap bitmap;
      try {
        LoadBytes(bitmap, bad);
      } catch (const EInvalidGraphic&) {
      }
    }
  }
}

TEST(Bitmap, RefusesPixelBuffersOver256MiB) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf32bit);
  try {
    bitmap.SetSize(10000, 10000);
    FAIL() << "no exception";
  } catch (const EInvalidGraphic& e) {
    EXPECT_NE(e.Message().find(L"too large"), std::wstring::npos);
  }
  EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap, FileRoundTrip) {
  TBitmap source;
  source.SetPixelFormat(pf32bit);
  source.SetSize(5, 4);
  FillPattern(source);
  const std::wstring file = L"bitmap_file_round_trip.bmp";
  source.SaveToFile(file);
  TBitmap loaded;
  loaded.LoadFromFile(file);
  DeleteFileW(file.c_str());
  ExpectSamePixels(source, loaded);
}

TEST(Bitmap, SidesSetOneAfterTheOther) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetWidth(5);
  EXPECT_TRUE(bitmap.Empty());
  bitmap.SetHeight(3);
  EXPECT_EQ(bitmap.Width(), 5);
  EXPECT_EQ(bitmap.Height(), 3);
  EXPECT_NE(bitmap.Handle(), nullptr);
  EXPECT_EQ(bitmap.ScanLine(2)[19], 0);
}

TEST(Bitmap, SetSizeKeepsTheTopLeftPart) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(4, 4);
  bitmap.ScanLine(0)[0] = 9;
  bitmap.ScanLine(3)[9] = 8;
  bitmap.SetSize(6, 2);
  EXPECT_EQ(bitmap.ScanLine(0)[0], 9);
  EXPECT_EQ(bitmap.ScanLine(1)[17], 0);
}

TEST(Bitmap, PixelFormatConversions) {
  // An 8-bit plane reads as grey levels; 255 becomes white in 1 bit.
  TBitmap plane;
  plane.SetPixelFormat(pf8bit);
  plane.SetSize(2, 1);
  plane.ScanLine(0)[0] = 255;
  plane.ScanLine(0)[1] = 0;
  plane.SetPixelFormat(pf32bit);
  const uint8_t* px = plane.ScanLine(0);
  EXPECT_EQ(px[0], 255);
  EXPECT_EQ(px[2], 255);
  EXPECT_EQ(px[4], 0);
  plane.SetPixelFormat(pf1bit);
  EXPECT_EQ(plane.ScanLine(0)[0] & 0xC0, 0x80);

  TBitmap device;
  device.SetSize(3, 3);
  EXPECT_EQ(device.HandleType(), bmDDB);
  device.Canvas()->Brush()->SetColor(0x0000FF);
  device.Canvas()->FillRect(Rect(0, 0, 3, 3));
  device.SetHandleType(bmDIB);
  EXPECT_NE(device.PixelFormat(), pfDevice);
  EXPECT_EQ(device.ScanLine(2)[2], 0xFF);  // red byte of the first pixel
}

TEST(Bitmap, CanvasDrawsIntoThePixelsAndReportsChanges) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetSize(4, 4);
  int changes = 0;
  bitmap.SetOnChange([&](TObject*) { ++changes; });
  bitmap.Canvas()->Brush()->SetColor(0x00FF00);
  bitmap.Canvas()->FillRect(Rect(1, 1, 3, 3));
  EXPECT_GT(changes, 0);
  EXPECT_EQ(bitmap.ScanLine(1)[4 + 1], 0xFF);
  EXPECT_EQ(bitmap.ScanLine(0)[1], 0);
  EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), 0x00FF00);

  // Suspended: cleared and set back.
  const TNotifyEvent saved = bitmap.OnChange();
  bitmap.SetOnChange(nullptr);
  const int before = changes;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetOnChange(saved);
  EXPECT_EQ(changes, before);
  // The canvas keeps working on the converted pixels.
  EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), 0x00FF00);
}

TEST(Bitmap, ClipboardFormIsABitmapCopyWithItsPalette) {
  TBitmap a;
  a.SetPixelFormat(pf24bit);
  a.SetSize(3, 2);
  FillPattern(a);
  UINT format = 0;
  HANDLE data = nullptr;
  HPALETTE palette = nullptr;
  a.SaveToClipboardFormat(format, data, palette);
  ASSERT_EQ(format, UINT{CF_BITMAP});
  EXPECT_EQ(palette, nullptr);
  TBitmap b;
  b.LoadFromClipboardFormat(format, data, palette);
  DeleteObject(data);  // the bitmap took a copy
  ASSERT_EQ(b.Width(), 3);
  ASSERT_EQ(b.Height(), 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(b.Canvas()->Pixels(x, y), a.Canvas()->Pixels(x, y)) << x << "," << y;

  TBitmap indexed;
  indexed.SetPixelFormat(pf8bit);
  indexed.SetSize(2, 2);
  indexed.SaveToClipboardFormat(format, data, palette);
  ASSERT_NE(palette, nullptr);
  EXPECT_NE(palette, indexed.Palette());  // the caller's own copy
  EXPECT_EQ(GetPaletteEntries(palette, 0, 0, nullptr), 256u);
  DeleteObject(palette);
  DeleteObject(data);

  EXPECT_THROW(b.LoadFromClipboardFormat(CF_TEXT, nullptr, nullptr), EInvalidGraphic);
  EXPECT_THROW(TBitmap().SaveToClipboardFormat(format, data, palette), EInvalidGraphic);
}

TEST(Bitmap, AssignCopiesIndependently) {
  TBitmap a;
  a.SetPixelFormat(pf8bit);
  a.SetSize(3, 2);
  FillPattern(a);
  a.SetTransparent(true);
  a.SetTransparentColor(0x123456);
  TBitmap b;
  b.Assign(&a);
  ExpectSamePixels(a, b);
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.TransparentColor(), 0x123456);
  EXPECT_EQ(b.TransparentMode(), tmFixed);
  b.ScanLine(0)[0] ^= 0xFF;
  EXPECT_NE(a.ScanLine(0)[0], b.ScanLine(0)[0]);
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, TransparentDrawSkipsTheKeyColour) {
  TBitmap sprite;
  sprite.SetPixelFormat(pf24bit);
  sprite.SetSize(2, 1);
  sprite.Canvas()->SetPixels(0, 0, 0xFF00FF);
  sprite.Canvas()->SetPixels(1, 0, 0x0000FF);
  sprite.SetTransparent(true);
  EXPECT_EQ(sprite.TransparentMode(), tmAuto);
  EXPECT_EQ(sprite.TransparentColor(), 0xFF00FF);  // the bottom-left pixel
  sprite.SetTransparentColor(0xFF00FF);
  EXPECT_EQ(sprite.TransparentMode(), tmFixed);
  TBitmap target;
  target.SetPixelFormat(pf24bit);
  target.SetSize(2, 1);
  target.Canvas()->Brush()->SetColor(0x00FF00);
  target.Canvas()->FillRect(Rect(0, 0, 2, 1));
  target.Canvas()->Draw(0, 0, &sprite);
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), 0x00FF00);
  EXPECT_EQ(target.Canvas()->Pixels(1, 0), 0x0000FF);
}

TEST(Bitmap, StoredFormIsASizedBmpFile) {
  TBitmap source;
  source.SetPixelFormat(pf24bit);
  source.SetSize(3, 3);
  FillPattern(source);
  TMemoryStream stored;
  source.WriteData(stored);
  const std::vector<uint8_t>& b = stored.Bytes();
  ASSERT_GT(b.size(), 6u);
  EXPECT_EQ(b[0] | (b[1] << 8) | (b[2] << 16) | (b[3] << 24), static_cast<int>(b.size() - 4));
  EXPECT_EQ(b[4], 'B');
  stored.SetPosition(0);
  TBitmap loaded;
  loaded.ReadData(stored);
  ExpectSamePixels(source, loaded);
}

}  // namespace
}  // namespace classlib
#endif
