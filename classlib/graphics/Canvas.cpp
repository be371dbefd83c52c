#include "classlib/graphics/Canvas.h"

#include <vector>

#include "classlib/graphics/Graphic.h"

namespace classlib {

RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }
TRect FromRECT(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }

TCanvas::TCanvas() {
  InitializeCriticalSection(&lock_);
  font_.SetOnChange([this](TObject*) { FontChanged(); });
  brush_.SetOnChange([this](TObject*) { BrushChanged(); });
  pen_.SetOnChange([this](TObject*) { PenChanged(); });
}

TCanvas::~TCanvas() {
  SetHandle(nullptr);
  DeleteCriticalSection(&lock_);
}

HDC TCanvas::Handle() {
  Changing();
  return Require(kAll);
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  DeselectAll();
  dc_ = dc;
  selected_ = 0;
}

HDC TCanvas::Require(unsigned objects) {
  if (!dc_) {
    CreateHandle();
    if (!dc_) throw EInvalidOperation(L"Canvas does not allow drawing");
  }
  const unsigned missing = objects & ~selected_;
  if (missing & kFont) {
    SelectObject(dc_, font_.Handle());
    SetTextColor(dc_, static_cast<COLORREF>(ColorToRGB(font_.Color())));
  }
  if (missing & kPen) {
    SelectObject(dc_, pen_.Handle());
    SetROP2(dc_, static_cast<int>(pen_.Mode()) + R2_BLACK);
  }
  if (missing & kBrush) {
    HBRUSH brush = brush_.Handle();
    UnrealizeObject(brush);
    SelectObject(dc_, brush);
    SetBkColor(dc_, static_cast<COLORREF>(ColorToRGB(brush_.Color())));
    SetBkMode(dc_, brush_.Style() == bsSolid ? OPAQUE : TRANSPARENT);
  }
  selected_ |= missing;
  return dc_;
}

void TCanvas::DeselectAll() {
  if (!dc_) return;
  if (selected_ & kFont) SelectObject(dc_, GetStockObject(SYSTEM_FONT));
  if (selected_ & kPen) SelectObject(dc_, GetStockObject(BLACK_PEN));
  if (selected_ & kBrush) SelectObject(dc_, GetStockObject(HOLLOW_BRUSH));
  selected_ = 0;
}

// The changed object's old handle is deleted right after these run, so it
// must leave the context now.
void TCanvas::FontChanged() {
  if (dc_ && (selected_ & kFont)) SelectObject(dc_, GetStockObject(SYSTEM_FONT));
  selected_ &= ~kFont;
}

void TCanvas::BrushChanged() {
  if (dc_ && (selected_ & kBrush)) SelectObject(dc_, GetStockObject(HOLLOW_BRUSH));
  selected_ &= ~kBrush;
}

void TCanvas::PenChanged() {
  if (dc_ && (selected_ & kPen)) SelectObject(dc_, GetStockObject(BLACK_PEN));
  selected_ &= ~kPen;
}

void TCanvas::Lock() {
  EnterCriticalSection(&lock_);
  ++lockCount_;
}

void TCanvas::Unlock() {
  --lockCount_;
  LeaveCriticalSection(&lock_);
}

bool TCanvas::TryLock() {
  if (!TryEnterCriticalSection(&lock_)) return false;
  ++lockCount_;
  return true;
}

void TCanvas::Changing() {
  if (onChanging_) onChanging_(this);
}

void TCanvas::Changed() {
  if (onChange_) onChange_(this);
}

void TCanvas::FillRect(const TRect& rect) {
  Changing();
  HDC dc = Require(kBrush);
  const RECT r = ToRECT(rect);
  ::FillRect(dc, &r, brush_.Handle());
  Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
  Changing();
  HDC dc = Require(kBrush);
  const RECT r = ToRECT(rect);
  ::FrameRect(dc, &r, brush_.Handle());
  Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  Changing();
  ::Rectangle(Require(kPen | kBrush), x1, y1, x2, y2);
  Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
  Changing();
  ::RoundRect(Require(kPen | kBrush), x1, y1, x2, y2, x3, y3);
  Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  Changing();
  ::Ellipse(Require(kPen | kBrush), x1, y1, x2, y2);
  Changed();
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Changing();
  ::Pie(Require(kPen | kBrush), x1, y1, x2, y2, x3, y3, x4, y4);
  Changed();
}

namespace {
std::vector<POINT> ToPOINTs(std::span<const TPoint> points) {
  std::vector<POINT> result;
  result.reserve(points.size());
  for (const TPoint& p : points) result.push_back(POINT{p.X, p.Y});
  return result;
}
}  // namespace

void TCanvas::Polygon(std::span<const TPoint> points) {
  if (points.empty()) return;
  Changing();
  const std::vector<POINT> pts = ToPOINTs(points);
  ::Polygon(Require(kPen | kBrush), pts.data(), static_cast<int>(pts.size()));
  Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (points.empty()) return;
  Changing();
  const std::vector<POINT> pts = ToPOINTs(points);
  ::Polyline(Require(kPen | kBrush), pts.data(), static_cast<int>(pts.size()));
  Changed();
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(Require(0), x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  Changing();
  ::LineTo(Require(kPen | kBrush), x, y);
  Changed();
}

TPoint TCanvas::PenPos() {
  POINT p{};
  GetCurrentPositionEx(Require(0), &p);
  return TPoint{p.x, p.y};
}

TColor TCanvas::Pixels(int x, int y) { return static_cast<TColor>(GetPixel(Require(0), x, y)); }

void TCanvas::SetPixels(int x, int y, TColor color) {
  Changing();
  SetPixel(Require(kPen | kBrush), x, y, static_cast<COLORREF>(ColorToRGB(color)));
  Changed();
}

void TCanvas::TextOut(int x, int y, const std::wstring& text) {
  Changing();
  HDC dc = Require(kFont | kBrush);
  ExtTextOutW(dc, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  MoveToEx(dc, x + size.cx, y, nullptr);
  Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::wstring& text) {
  Changing();
  HDC dc = Require(kFont | kBrush);
  UINT options = ETO_CLIPPED;
  if (brush_.Style() != bsClear) options |= ETO_OPAQUE;
  const RECT r = ToRECT(rect);
  ExtTextOutW(dc, x, y, options, &r, text.c_str(), static_cast<UINT>(text.size()), nullptr);
  Changed();
}

TSize TCanvas::TextExtent(const std::wstring& text) {
  SIZE size{};
  GetTextExtentPoint32W(Require(kFont), text.c_str(), static_cast<int>(text.size()), &size);
  return TSize{size.cx, size.cy};
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  Changing();
  Require(kAll);
  graphic->Draw(*this, Bounds(x, y, graphic->Width(), graphic->Height()));
  Changed();
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  Changing();
  Require(kAll);
  graphic->Draw(*this, rect);
  Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
  Changing();
  HDC dc = Require(kAll);
  HDC src = source.Require(kBrush);
  StretchBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), src, sourceRect.Left, sourceRect.Top,
             sourceRect.Width(), sourceRect.Height(), copyMode_);
  Changed();
}

TRect TCanvas::ClipRect() {
  RECT r{};
  GetClipBox(Require(0), &r);
  return FromRECT(r);
}

void TCanvas::Refresh() { DeselectAll(); }

}  // namespace classlib
