#include "skin/paint/DcHelpers_Gdi.h"

#include "classlib/controls/GraphicControl.h"
#include "classlib/controls/WinControl.h"
#include "classlib/graphics/Canvas.h"

namespace skin::paint {

using classlib::Point;
using classlib::Rect;

using classlib::ColorToRGB;

namespace {

COLORREF Rgb(TColor color) { return static_cast<COLORREF>(ColorToRGB(color)); }

// A brush that is deleted when it goes.
struct TSolidBrush {
  explicit TSolidBrush(TColor color) : handle(CreateSolidBrush(Rgb(color))) {}
  ~TSolidBrush() {
    if (handle) DeleteObject(handle);
  }
  TSolidBrush(const TSolidBrush&) = delete;
  TSolidBrush& operator=(const TSolidBrush&) = delete;
  HBRUSH handle;
};

void Fill(HDC dc, HBRUSH brush, int left, int top, int right, int bottom) {
  const RECT r{left, top, right, bottom};
  FillRect(dc, &r, brush);
}

}  // namespace

void FillRectColor(HDC dc, const TRect& r, TColor color) {
  if (!dc) return;
  const TSolidBrush brush(color);
  const int saved = SaveDC(dc);
  Fill(dc, brush.handle, r.Left, r.Top, r.Right, r.Bottom);
  RestoreDC(dc, saved);
}

void FillFrameColor(HDC dc, const TRect& r, const TFrameWidths& w, TColor color) {
  if (!dc) return;
  const TSolidBrush brush(color);
  Fill(dc, brush.handle, r.Left, r.Top, r.Right, r.Top + w.Top);
  Fill(dc, brush.handle, r.Left, r.Top + w.Top, r.Left + w.Left, r.Bottom);
  Fill(dc, brush.handle, r.Left + w.Left, r.Bottom - w.Bottom, r.Right, r.Bottom);
  Fill(dc, brush.handle, r.Right - w.Right, r.Top + w.Top, r.Right, r.Bottom - w.Bottom);
}

void CopyFrameBits(HDC dst, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, HDC src,
                   std::int32_t srcX, std::int32_t srcY, std::int32_t bw) {
  BitBlt(dst, x, y, bw, h, src, srcX, srcY, SRCCOPY);
  BitBlt(dst, x + bw, y, w, bw, src, srcX + bw, srcY, SRCCOPY);
  BitBlt(dst, w - bw, y + bw, w, h, src, srcX + w - bw, srcY + bw, SRCCOPY);
  BitBlt(dst, x + bw, h - bw, w - bw, h, src, srcX + bw, srcY + h - bw, SRCCOPY);
}

void ExcludeGraphicControls(HDC dc, classlib::TWinControl* parent, std::int32_t offsetY, std::int32_t offsetX) {
  if (!dc || !parent) return;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    classlib::TControl* c = parent->Controls(i);
    if (!c->Visible() || dynamic_cast<classlib::TGraphicControl*>(c) == nullptr) continue;
    ExcludeClipRect(dc, c->Left() + offsetX, c->Top() + offsetY, c->Left() + c->Width() + offsetX,
                    c->Top() + c->Height() + offsetY);
  }
}

void DrawFrame3D(HDC dc, TRect& r, TColor topLeftColor, std::int32_t& width, TColor bottomRightColor) {
  const HPEN topLeft = CreatePen(PS_SOLID, 1, Rgb(topLeftColor));
  const HPEN bottomRight = CreatePen(PS_SOLID, 1, Rgb(bottomRightColor));
  const HGDIOBJ oldPen = SelectObject(dc, topLeft);
  const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  r.Bottom -= 1;
  r.Right -= 1;
  while (width > 0) {
    --width;
    SelectObject(dc, topLeft);
    const POINT upper[3] = {{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}};
    Polyline(dc, upper, 3);
    SelectObject(dc, bottomRight);
    const POINT lower[3] = {{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left - 1, r.Bottom}};
    Polyline(dc, lower, 3);
    r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  }
  r.Bottom += 1;
  r.Right += 1;
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(topLeft);
  DeleteObject(bottomRight);
}

void DrawDottedRect(classlib::TCanvas* canvas, const TRect& r, TColor color2, TColor color1) {
  if (!canvas) return;
  const int right = r.Right - 1, bottom = r.Bottom - 1;
  for (int i = 0; i <= r.Width() / 3; ++i) {
    const int x = r.Left + 3 * i;
    canvas->SetPixels(x, r.Top, color1);
    canvas->SetPixels(x, bottom, color1);
    canvas->SetPixels(x - 1, r.Top, color2);
    canvas->SetPixels(x - 1, bottom, color2);
  }
  for (int j = 0; j <= r.Height() / 3; ++j) {
    const int y = r.Top + 3 * j;
    canvas->SetPixels(r.Left, y, color1);
    canvas->SetPixels(right, y, color1);
    canvas->SetPixels(r.Left, y - 1, color2);
    canvas->SetPixels(right, y - 1, color2);
  }
}

void DrawSmallArrow(classlib::TCanvas* canvas, TColor color, const TRect& r, std::int32_t direction) {
  if (!canvas) return;
  if (direction == sadRight) {
    const int x0 = (r.Width() - 3) / 2 + r.Left, y0 = (r.Height() - 6) / 2 + r.Top;
    for (int i = 0; i <= 3; ++i)
      for (int y = y0 + i; y <= y0 + 6 - i; ++y) canvas->SetPixels(x0 + i, y, color);
  } else if (direction == sadDown) {
    const int x0 = (r.Width() - 6) / 2 + r.Left - 1, y0 = (r.Height() - 3) / 2 + r.Top - 1;
    for (int row = 0; row <= 3; ++row)
      for (int x = x0 + row; x <= x0 + 7 - row; ++x) canvas->SetPixels(x, y0 + row, color);
  }
}

}  // namespace skin::paint
