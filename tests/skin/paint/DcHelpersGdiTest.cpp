// Fills, frames, dotted rectangles, arrows and the start-up values on
// 32-bit bitmaps, read back after GDI has flushed.
#ifdef _WIN32
#include "skin/paint/DcHelpers_Gdi.h"

#include <gtest/gtest.h>

#include <memory>

#include "classlib/controls/Label.h"
#include "classlib/controls/Panel.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/paint/LayeredWindows_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"

namespace skin::paint {
namespace {

using classlib::Point;
using classlib::Rect;

constexpr TColor kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00;
// GDI leaves the alpha byte 0: compare colours only.
constexpr std::uint32_t kRedPixel = 0xFF0000, kBluePixel = 0x0000FF, kGreenPixel = 0x00FF00;

std::unique_ptr<TBitmap> Blank(int w, int h) {
  std::unique_ptr<TBitmap> bmp(NewBitmap32(w, h));
  bmp->Canvas()->Handle();  // the memory DC exists from here on
  return bmp;
}

std::uint32_t At(TBitmap* bmp, int x, int y) {
  GdiFlush();
  return ViewOf(bmp).Pixel32(x, y) & 0xFFFFFFu;
}

TEST(DcHelpers, FillRectColorAndFillFrameColorFillTheirBands) {
  auto bmp = Blank(10, 10);
  const HDC dc = bmp->Canvas()->Handle();
  FillRectColor(dc, Rect(2, 2, 4, 4), kRed);
  EXPECT_EQ(At(bmp.get(), 2, 2), kRedPixel);
  EXPECT_EQ(At(bmp.get(), 3, 3), kRedPixel);
  EXPECT_EQ(At(bmp.get(), 4, 4), 0u);

  auto frame = Blank(10, 10);
  FillFrameColor(frame->Canvas()->Handle(), Rect(0, 0, 10, 10), TFrameWidths{1, 2, 3, 4}, kBlue);
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(At(frame.get(), x, 1), kBluePixel) << x;  // top, 2 rows
    EXPECT_EQ(At(frame.get(), x, 6), kBluePixel) << x;  // bottom, 4 rows
  }
  EXPECT_EQ(At(frame.get(), 0, 4), kBluePixel);  // left, 1 column
  EXPECT_EQ(At(frame.get(), 1, 4), 0u);
  EXPECT_EQ(At(frame.get(), 6, 4), 0u);
  EXPECT_EQ(At(frame.get(), 7, 4), kBluePixel);  // right, 3 columns
}

TEST(DcHelpers, DrawFrame3DWithWidthTwoDrawsTwoNestedFramesAndShrinksTheRectangle) {
  auto bmp = Blank(10, 10);
  TRect r = Rect(0, 0, 10, 10);
  std::int32_t width = 2;
  DrawFrame3D(bmp->Canvas()->Handle(), r, kRed, width, kBlue);
  EXPECT_EQ(width, 0);
  EXPECT_EQ(r, Rect(2, 2, 8, 8));
  for (int ring = 0; ring < 2; ++ring) {
    const int last = 9 - ring;
    EXPECT_EQ(At(bmp.get(), ring, 5), kRedPixel) << ring;   // left
    EXPECT_EQ(At(bmp.get(), 5, ring), kRedPixel) << ring;   // top
    EXPECT_EQ(At(bmp.get(), last, 5), kBluePixel) << ring;  // right
    EXPECT_EQ(At(bmp.get(), 5, last), kBluePixel) << ring;  // bottom
    EXPECT_EQ(At(bmp.get(), ring, last), kBluePixel) << ring;  // bottom-left corner: the bottom line's
  }
  EXPECT_EQ(At(bmp.get(), 2, 5), 0u);  // inside both frames
  EXPECT_EQ(At(bmp.get(), 7, 5), 0u);
}

TEST(DcHelpers, DrawDottedRectMarksEveryThirdPixelWithItsNeighbour) {
  auto bmp = Blank(12, 12);
  DrawDottedRect(bmp->Canvas(), Rect(1, 1, 10, 10), kBlue, kRed);  // 9 x 9
  // Top row (y = 1): Color1 at x = 1, 4, 7 (and 10, outside the 9 pixels,
  // drawn all the same); Color2 just left of each, except at x = 9 where the
  // right side's first dot comes after it.
  for (int x : {1, 4, 7, 9, 10}) EXPECT_EQ(At(bmp.get(), x, 1), kRedPixel) << x;
  for (int x : {0, 3, 6}) EXPECT_EQ(At(bmp.get(), x, 1), kBluePixel) << x;
  EXPECT_EQ(At(bmp.get(), 2, 1), 0u);
  // Bottom row at R.Bottom - 1, right column at R.Right - 1.
  EXPECT_EQ(At(bmp.get(), 4, 9), kRedPixel);
  EXPECT_EQ(At(bmp.get(), 9, 4), kRedPixel);
  EXPECT_EQ(At(bmp.get(), 9, 3), kBluePixel);
  EXPECT_EQ(At(bmp.get(), 5, 5), 0u);
}

TEST(DcHelpers, DrawSmallArrowDrawsTheRightAndDownTrianglesOnly) {
  auto bmp = Blank(10, 10);
  DrawSmallArrow(bmp->Canvas(), kGreen, Rect(0, 0, 10, 10), sadRight);
  // x0 = 3, y0 = 2: column i has rows 2 + i .. 8 - i.
  int count = 0;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) count += At(bmp.get(), x, y) == kGreenPixel;
  EXPECT_EQ(count, 7 + 5 + 3 + 1);
  EXPECT_EQ(At(bmp.get(), 3, 2), kGreenPixel);
  EXPECT_EQ(At(bmp.get(), 3, 8), kGreenPixel);
  EXPECT_EQ(At(bmp.get(), 6, 5), kGreenPixel);
  EXPECT_EQ(At(bmp.get(), 6, 4), 0u);

  auto down = Blank(12, 12);
  DrawSmallArrow(down->Canvas(), kGreen, Rect(0, 0, 12, 12), sadDown);
  // x0 = (12 - 6) div 2 - 1 = 2, y0 = (12 - 3) div 2 - 1 = 3: row r spans 2 + r .. 9 - r.
  EXPECT_EQ(At(down.get(), 2, 3), kGreenPixel);
  EXPECT_EQ(At(down.get(), 9, 3), kGreenPixel);
  EXPECT_EQ(At(down.get(), 5, 6), kGreenPixel);
  EXPECT_EQ(At(down.get(), 6, 6), kGreenPixel);
  EXPECT_EQ(At(down.get(), 4, 6), 0u);

  auto none = Blank(10, 10);
  DrawSmallArrow(none->Canvas(), kGreen, Rect(0, 0, 10, 10), 2);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(At(none.get(), x, y), 0u);
}

TEST(DcHelpers, CopyFrameBitsCopiesTheBorderAndLeavesTheMiddle) {
  auto src = Blank(8, 8);
  FillRectColor(src->Canvas()->Handle(), Rect(0, 0, 8, 8), kRed);
  auto dst = Blank(8, 8);
  CopyFrameBits(dst->Canvas()->Handle(), 0, 0, 8, 8, src->Canvas()->Handle(), 0, 0, 2);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(At(dst.get(), i, 0), kRedPixel) << i;
    EXPECT_EQ(At(dst.get(), i, 7), kRedPixel) << i;
    EXPECT_EQ(At(dst.get(), 1, i), kRedPixel) << i;
    EXPECT_EQ(At(dst.get(), 6, i), kRedPixel) << i;
  }
  for (int y = 2; y < 6; ++y)
    for (int x = 2; x < 6; ++x) EXPECT_EQ(At(dst.get(), x, y), 0u) << x << "," << y;
}

TEST(DcHelpers, ExcludeGraphicControlsKeepsVisibleWindowlessChildrenOutOfThePaint) {
  classlib::TPanel panel(nullptr);
  panel.SetBounds(0, 0, 40, 20);
  auto* shown = new classlib::TLabel(&panel);
  shown->SetParent(&panel);
  shown->SetAutoSize(false);
  shown->SetBounds(2, 3, 5, 4);
  auto* hidden = new classlib::TLabel(&panel);
  hidden->SetParent(&panel);
  hidden->SetAutoSize(false);
  hidden->SetBounds(20, 3, 5, 4);
  hidden->SetVisible(false);

  auto bmp = Blank(40, 20);
  const HDC dc = bmp->Canvas()->Handle();
  const int saved = SaveDC(dc);
  ExcludeGraphicControls(dc, &panel, 1, 10);  // offsets: Y first, then X
  FillRectColor(dc, Rect(0, 0, 40, 20), kRed);
  RestoreDC(dc, saved);
  EXPECT_EQ(At(bmp.get(), 12, 4), 0u);            // the shown label, moved by (10, 1)
  EXPECT_EQ(At(bmp.get(), 16, 7), 0u);
  EXPECT_EQ(At(bmp.get(), 17, 7), kRedPixel);
  EXPECT_EQ(At(bmp.get(), 2, 3), kRedPixel);      // its own unmoved place is painted
  EXPECT_EQ(At(bmp.get(), 31, 4), kRedPixel);     // the hidden one is painted over
  ExcludeGraphicControls(dc, nullptr, 0, 0);      // no parent: nothing happens
}

TEST(StartUp, CheckBoxSizeIsOneCellOfTheSystemBitmap) {
  const HBITMAP cells = LoadBitmapW(nullptr, MAKEINTRESOURCEW(32759));  // OBM_CHECKBOXES
  ASSERT_NE(cells, nullptr);
  BITMAP info{};
  ASSERT_TRUE(GetObjectW(cells, sizeof info, &info));
  DeleteObject(cells);
  EXPECT_GT(CheckBoxWidth(), 0);
  EXPECT_EQ(CheckBoxWidth(), info.bmWidth / 4);
  EXPECT_EQ(CheckBoxHeight(), info.bmHeight / 3);
}

TEST(StartUp, LayeredWindowEntriesAreUser32s) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  EXPECT_TRUE(LayeredWindowsAvailable());
  EXPECT_EQ(reinterpret_cast<void*>(UpdateLayeredWindowEntry()),
            reinterpret_cast<void*>(GetProcAddress(user32, "UpdateLayeredWindow")));
  EXPECT_EQ(reinterpret_cast<void*>(SetLayeredWindowAttributesEntry()),
            reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")));
}

}  // namespace
}  // namespace skin::paint
#endif
