#include "classlib/controls/Shape.h"

#include <algorithm>

namespace classlib {

TShape::TShape(TComponent* owner)
    : TGraphicControl(owner), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()) {
  ControlStyle().Include(csReplicatable);
  StoreBounds(0, 0, 65, 65);
  pen_->SetOnChange([this](TObject*) { Invalidate(); });
  brush_->SetOnChange([this](TObject*) { Invalidate(); });
}

TShape::~TShape() = default;

void TShape::SetShape(TShapeType value) {
  if (shape_ == value) return;
  shape_ = value;
  Invalidate();
}

void TShape::Paint() {
  TCanvas* c = Canvas();
  c->SetPen(pen_.get());
  c->SetBrush(brush_.get());
  const int penWidth = pen_->Width();
  int x = penWidth / 2, y = penWidth / 2;
  int w = Width() - penWidth + 1, h = Height() - penWidth + 1;
  if (penWidth == 0) {
    --w;
    --h;
  }
  if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
    const int side = std::min(w, h);
    x += (w - side) / 2;
    y += (h - side) / 2;
    w = h = side;
  }
  switch (shape_) {
    case stRectangle:
    case stSquare:
      c->Rectangle(x, y, x + w, y + h);
      break;
    case stRoundRect:
    case stRoundSquare: {
      const int corner = std::min(w, h) / 4;
      c->RoundRect(x, y, x + w, y + h, corner, corner);
      break;
    }
    case stEllipse:
    case stCircle:
      c->Ellipse(x, y, x + w, y + h);
      break;
  }
}

}  // namespace classlib
