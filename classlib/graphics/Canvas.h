#pragma once
// A drawing surface over any device context. Font, brush and pen are
// selected into the context on first use and reselected after they change;
// setting another handle deselects them from the old context.
//
// A canvas with no handle calls the virtual CreateHandle() when one is
// needed: a bitmap's canvas makes a memory DC there, a control's canvas
// takes its window's DC. A canvas that still has none raises
// EInvalidOperation "Canvas does not allow drawing".
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

#include "classlib/graphics/BrushPen.h"
#include "classlib/graphics/Font.h"
#include "classlib/graphics/GdiErrors.h"
#include "classlib/graphics/GraphicsTypes.h"

namespace classlib {

class TGraphic;

using TCopyMode = uint32_t;
inline constexpr TCopyMode cmBlackness = BLACKNESS;
inline constexpr TCopyMode cmDstInvert = DSTINVERT;
inline constexpr TCopyMode cmMergeCopy = MERGECOPY;
inline constexpr TCopyMode cmMergePaint = MERGEPAINT;
inline constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
inline constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
inline constexpr TCopyMode cmPatCopy = PATCOPY;
inline constexpr TCopyMode cmPatInvert = PATINVERT;
inline constexpr TCopyMode cmPatPaint = PATPAINT;
inline constexpr TCopyMode cmSrcAnd = SRCAND;
inline constexpr TCopyMode cmSrcCopy = SRCCOPY;
inline constexpr TCopyMode cmSrcErase = SRCERASE;
inline constexpr TCopyMode cmSrcInvert = SRCINVERT;
inline constexpr TCopyMode cmSrcPaint = SRCPAINT;
inline constexpr TCopyMode cmWhiteness = WHITENESS;

RECT ToRECT(const TRect& r);
TRect FromRECT(const RECT& r);

class TCanvas : public TPersistent {
 public:
  TCanvas();
  ~TCanvas() override;

  // The device context; made through CreateHandle() when none is set.
  HDC Handle();
  // Hands the canvas another context (null detaches); the canvas never
  // frees a context it was given.
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return dc_ != nullptr; }

  TFont* Font() { return &font_; }
  TBrush* Brush() { return &brush_; }
  TPen* Pen() { return &pen_; }
  void SetFont(const TFont* font) { font_.Assign(font); }
  void SetBrush(const TBrush* brush) { brush_.Assign(brush); }
  void SetPen(const TPen* pen) { pen_.Assign(pen); }

  TCopyMode CopyMode() const { return copyMode_; }
  void SetCopyMode(TCopyMode mode) { copyMode_ = mode; }

  // While locked, a bitmap's canvas keeps its memory DC (see TBitmap).
  void Lock();
  void Unlock();
  bool TryLock();
  int LockCount() const { return lockCount_; }

  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Polygon(std::span<const TPoint> points);
  void Polyline(std::span<const TPoint> points);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  TPoint PenPos();
  void SetPenPos(TPoint pos) { MoveTo(pos.X, pos.Y); }

  // GetPixel's answer: CLR_INVALID (-1 as a TColor) outside the clip area.
  TColor Pixels(int x, int y);
  void SetPixels(int x, int y, TColor color);

  // TextOut is a <windows.h> macro; this header includes <windows.h>, so
  // every user sees the same (renamed) member.
  void TextOut(int x, int y, const std::wstring& text);
  // Text at (x, y) clipped to `rect`; the rectangle is filled first unless
  // the brush is clear.
  void TextRect(const TRect& rect, int x, int y, const std::wstring& text);
  TSize TextExtent(const std::wstring& text);
  int TextWidth(const std::wstring& text) { return TextExtent(text).cx; }
  int TextHeight(const std::wstring& text) { return TextExtent(text).cy; }

  // Any graphic, at its own size or stretched into `rect`; an empty or null
  // graphic draws nothing.
  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const TRect& rect, TGraphic* graphic);
  // Copies (and stretches) with the raster operation of CopyMode.
  void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

  TRect ClipRect();
  // Deselects font, brush and pen; the next drawing selects them again.
  void Refresh();

  const TNotifyEvent& OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }
  const TNotifyEvent& OnChanging() const { return onChanging_; }
  void SetOnChanging(TNotifyEvent handler) { onChanging_ = std::move(handler); }

 protected:
  // Called when a handle is needed and none is set: set one with SetHandle.
  virtual void CreateHandle() {}
  virtual void Changing();
  virtual void Changed();

 private:
  enum : unsigned { kFont = 1, kBrush = 2, kPen = 4, kAll = kFont | kBrush | kPen };
  // Returns the context with the given objects selected.
  HDC Require(unsigned objects);
  void DeselectAll();
  void FontChanged();
  void BrushChanged();
  void PenChanged();

  TFont font_;
  TBrush brush_;
  TPen pen_;
  HDC dc_ = nullptr;
  unsigned selected_ = 0;
  TCopyMode copyMode_ = cmSrcCopy;
  int lockCount_ = 0;
  CRITICAL_SECTION lock_;
  TNotifyEvent onChange_;
  TNotifyEvent onChanging_;
};

}  // namespace classlib
