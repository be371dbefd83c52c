#include "classlib/graphics/BrushPen.h"

#include "classlib/graphics/GraphicsRegistration.h"

namespace classlib {

namespace {

// Drops a handle after the users have reselected (see TFont::Changed).
template <class H>
void DeleteAfter(H& handle, const std::function<void()>& notify) {
  H old = handle;
  handle = nullptr;
  notify();
  if (old) DeleteObject(old);
}

}  // namespace

TBrush::TBrush() { RegisterGraphicsClasses(); }
TBrush::~TBrush() {
  if (handle_) DeleteObject(handle_);
}

void TBrush::Changed() {
  DeleteAfter(handle_, [this] { TGraphicsObject::Changed(); });
}

void TBrush::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  if (style_ == bsClear) style_ = bsSolid;  // a colour is asked to show
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

HBRUSH TBrush::Handle() {
  if (style_ == bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (!handle_) {
    const COLORREF rgb = static_cast<COLORREF>(ColorToRGB(color_));
    if (style_ == bsSolid) {
      handle_ = CreateSolidBrush(rgb);
    } else {
      static const int hatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
      handle_ = CreateHatchBrush(hatches[style_ - bsHorizontal], rgb);
    }
  }
  return handle_;
}

void TBrush::Assign(const TPersistent* source) {
  if (const auto* brush = dynamic_cast<const TBrush*>(source)) {
    if (brush == this) return;
    color_ = brush->color_;
    style_ = brush->style_;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

TPen::TPen() { RegisterGraphicsClasses(); }
TPen::~TPen() {
  if (handle_) DeleteObject(handle_);
}

void TPen::Changed() {
  DeleteAfter(handle_, [this] { TGraphicsObject::Changed(); });
}

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TPen::SetWidth(int width) {
  if (width < 0 || width == width_) return;
  width_ = width;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TPen::SetMode(TPenMode mode) {
  if (mode == mode_) return;
  mode_ = mode;
  Changed();
}

HPEN TPen::Handle() {
  if (!handle_) {
    static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    handle_ = CreatePen(styles[style_], width_, static_cast<COLORREF>(ColorToRGB(color_)));
  }
  return handle_;
}

void TPen::Assign(const TPersistent* source) {
  if (const auto* pen = dynamic_cast<const TPen*>(source)) {
    if (pen == this) return;
    color_ = pen->color_;
    width_ = pen->width_;
    style_ = pen->style_;
    mode_ = pen->mode_;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

}  // namespace classlib
