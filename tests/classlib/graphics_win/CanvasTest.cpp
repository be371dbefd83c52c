#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "classlib/graphics/Bitmap.h"

namespace classlib {
namespace {

TBitmap* WhiteBitmap(TBitmap& bitmap, int w, int h) {
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(w, h);
  bitmap.Canvas()->Brush()->SetColor(clWhite);
  bitmap.Canvas()->FillRect(Rect(0, 0, w, h));
  return &bitmap;
}

TEST(Canvas, NamedFaceTextLandsInsideItsRectangleOnly) {
  TBitmap bitmap;
  WhiteBitmap(bitmap, 200, 60);
  TCanvas& canvas = *bitmap.Canvas();
  canvas.Font()->SetName(L"Tahoma");
  canvas.Font()->SetHeight(-16);
  canvas.Font()->SetColor(clBlack);
  canvas.Brush()->SetStyle(bsClear);
  const std::wstring text = L"Zażółć gęślą";
  const TSize extent = canvas.TextExtent(text);
  ASSERT_GT(extent.cx, 0);
  canvas.TextOut(20, 15, text);

  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(canvas.Handle(), LF_FACESIZE, face);
  EXPECT_STREQ(face, L"Tahoma");

  const TRect inside = Bounds(20, 15, extent.cx, extent.cy);
  int changedInside = 0, changedOutside = 0;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      const bool white = row[3 * x] == 255 && row[3 * x + 1] == 255 && row[3 * x + 2] == 255;
      const bool in = x >= inside.Left && x < inside.Right && y >= inside.Top && y < inside.Bottom;
      if (!white) ++(in ? changedInside : changedOutside);
    }
  }
  EXPECT_GT(changedInside, 20);
  EXPECT_EQ(changedOutside, 0);
}

TEST(Canvas, FontHandleIsMadeAgainAfterAChange) {
  TFont font;
  LOGFONTW lf{};
  ASSERT_EQ(GetObjectW(font.Handle(), sizeof lf, &lf), static_cast<int>(sizeof lf));
  EXPECT_EQ(lf.lfHeight, -11);
  font.SetHeight(-20);
  font.SetStyle({fsBold, fsUnderline});
  font.SetCharset(EASTEUROPE_CHARSET);
  ASSERT_EQ(GetObjectW(font.Handle(), sizeof lf, &lf), static_cast<int>(sizeof lf));
  EXPECT_EQ(lf.lfHeight, -20);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_TRUE(lf.lfUnderline);
  EXPECT_FALSE(lf.lfItalic);
  EXPECT_EQ(lf.lfCharSet, EASTEUROPE_CHARSET);
}

TEST(Canvas, FontSizeFollowsThePixelsPerInch) {
  TFont font;
  font.SetSize(9);
  EXPECT_EQ(font.Height(), -MulDiv(9, ScreenPixelsPerInch(), 72));
  EXPECT_EQ(font.Size(), 9);
  int changes = 0;
  font.SetOnChange([&](TObject*) { ++changes; });
  font.SetSize(9);
  EXPECT_EQ(changes, 0);  // nothing changed
  TFont copy;
  copy.Assign(&font);
  EXPECT_EQ(copy.Height(), font.Height());
  EXPECT_EQ(copy.Name(), font.Name());
}

TEST(Canvas, ReselectsTheFontAfterItChanges) {
  TBitmap bitmap;
  WhiteBitmap(bitmap, 10, 10);
  TCanvas& canvas = *bitmap.Canvas();
  canvas.Font()->SetHeight(-10);
  const int small = canvas.TextHeight(L"Ag");
  canvas.Font()->SetHeight(-30);
  EXPECT_GT(canvas.TextHeight(L"Ag"), small + 10);
}

TEST(Canvas, WithoutAContextItRefusesToDraw) {
  TCanvas canvas;
  EXPECT_THROW(canvas.FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
}

TEST(Canvas, OverAForeignContextAndHandleChanges) {
  TBitmap target;
  WhiteBitmap(target, 4, 4);
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP section = target.ReleaseHandle();
  HGDIOBJ old = SelectObject(dc, section);
  {
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Pen()->SetColor(0x0000FF);
    canvas.MoveTo(0, 1);
    canvas.LineTo(4, 1);
    EXPECT_EQ(canvas.PenPos(), Point(4, 1));
    EXPECT_EQ(canvas.Pixels(2, 1), 0x0000FF);
    EXPECT_EQ(canvas.Pixels(2, 2), 0xFFFFFF);
    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 4, 4));
    canvas.SetHandle(nullptr);
    // Deselected: the context holds stock objects again, so the canvas's own
    // may be freed with it.
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(section);
}

TEST(Canvas, CopyRectHonoursTheCopyMode) {
  TBitmap source;
  WhiteBitmap(source, 2, 2);
  TBitmap target;
  WhiteBitmap(target, 2, 2);
  target.Canvas()->SetCopyMode(cmNotSrcCopy);
  target.Canvas()->CopyRect(Rect(0, 0, 2, 2), *source.Canvas(), Rect(0, 0, 2, 2));
  EXPECT_EQ(target.Canvas()->Pixels(1, 1), 0x000000);
  target.Canvas()->SetCopyMode(cmSrcCopy);
  target.Canvas()->CopyRect(Rect(0, 0, 1, 1), *source.Canvas(), Rect(0, 0, 2, 2));  // shrinks
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), 0xFFFFFF);
  EXPECT_EQ(target.Canvas()->Pixels(1, 1), 0x000000);
}

TEST(Canvas, ShapesUsePenAndBrush) {
  TBitmap bitmap;
  WhiteBitmap(bitmap, 20, 20);
  TCanvas& c = *bitmap.Canvas();
  c.Brush()->SetColor(0xFF0000);
  c.Pen()->SetStyle(psClear);
  c.Rectangle(2, 2, 10, 10);
  EXPECT_EQ(c.Pixels(5, 5), 0xFF0000);
  c.Brush()->SetStyle(bsClear);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetColor(clBlack);
  c.Ellipse(10, 10, 20, 20);
  EXPECT_EQ(c.Pixels(15, 15), 0xFFFFFF);  // clear brush: inside untouched
  const std::vector<TPoint> triangle = {Point(0, 19), Point(5, 12), Point(9, 19)};
  c.Brush()->SetColor(0x00FF00);
  c.Polygon(triangle);
  EXPECT_EQ(c.Pixels(5, 17), 0x00FF00);
  c.SetPixels(0, 0, clBtnFace);
  EXPECT_EQ(c.Pixels(0, 0), ColorToRGB(clBtnFace));
}

}  // namespace
}  // namespace classlib
#endif
