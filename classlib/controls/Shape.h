#pragma once
// Shape: a windowless rectangle, square, rounded rectangle, ellipse or circle
// drawn with its own pen and brush.
#include <memory>

#include "classlib/controls/GraphicControl.h"
#include "classlib/graphics/BrushPen.h"

namespace classlib {

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
 public:
  explicit TShape(TComponent* owner);
  ~TShape() override;

  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType value);
  TPen* Pen() const { return pen_.get(); }
  void SetPen(const TPen* value) { pen_->Assign(value); }
  TBrush* Brush() const { return brush_.get(); }
  void SetBrush(const TBrush* value) { brush_->Assign(value); }

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
  TShapeType shape_ = stRectangle;
};

}  // namespace classlib
